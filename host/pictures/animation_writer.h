// Animated WebP of a sequence of same-sized frames, with libwebp's
// animation encoder (libwebpmux).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace drennomar::host {

/// A picture in memory: rows of 0xAARRGGBB pixels, alpha premultiplied (the
/// layout of a Cairo ARGB32 surface).
struct ArgbImage {
    int width                = 0;
    int height               = 0;
    int stride               = 0;  // bytes per row
    const std::uint8_t* data = nullptr;
};

class AnimationWriter {
  public:
    /// Frames of `width` x `height`, each shown `frame_ms` milliseconds;
    /// `quality` 0 to 100 (lossy).
    AnimationWriter(int width, int height, int frame_ms, float quality);
    ~AnimationWriter();
    AnimationWriter(const AnimationWriter&)            = delete;
    AnimationWriter& operator=(const AnimationWriter&) = delete;

    /// Adds the next frame; it must have the writer's size. False, with
    /// what is wrong in `error`, if the encoder refuses it.
    bool AddFrame(const ArgbImage& frame, std::string* error);
    int FrameCount() const { return frames_; }

    /// Ends the animation and writes it to `path`.
    bool Finish(const std::string& path, std::string* error);

  private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder_;
    int width_;
    int height_;
    int frame_ms_;
    float quality_;
    int frames_ = 0;
};

}  // namespace drennomar::host
