// Animated WebP through WebPAnimEncoder: each frame is imported as ARGB,
// encoded lossy, and the encoder keeps only the rectangle that changed
// from the frame before, which suits a panel where most pixels stand still.
#include "host/pictures/animation_writer.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cstdio>
#include <vector>

namespace drennomar::host {

struct AnimationWriter::Encoder {
    WebPAnimEncoder* encoder = nullptr;
    WebPConfig config{};
    std::vector<std::uint32_t> argb;  // one frame, unpremultiplied
    ~Encoder() {
        if (encoder != nullptr) WebPAnimEncoderDelete(encoder);
    }
};

AnimationWriter::AnimationWriter(int width, int height, int frame_ms, float quality)
    : encoder_(std::make_unique<Encoder>()),
      width_(width),
      height_(height),
      frame_ms_(frame_ms),
      quality_(quality) {
    WebPAnimEncoderOptions options;
    if (WebPAnimEncoderOptionsInit(&options)) {
        options.anim_params.loop_count = 0;  // loop for ever
        options.allow_mixed            = 0;
        encoder_->encoder              = WebPAnimEncoderNew(width, height, &options);
    }
    if (WebPConfigInit(&encoder_->config)) {
        encoder_->config.quality = quality_;
        encoder_->config.method  = 3;  // a fair trade of time for size
    }
    encoder_->argb.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
}

AnimationWriter::~AnimationWriter() = default;

bool AnimationWriter::AddFrame(const ArgbImage& frame, std::string* error) {
    if (encoder_->encoder == nullptr) {
        *error = "the WebP animation encoder could not be made";
        return false;
    }
    if (frame.width != width_ || frame.height != height_) {
        *error = "a frame of another size";
        return false;
    }
    // Unpremultiply: WebP keeps straight alpha.
    for (int y = 0; y < height_; ++y) {
        const auto* row    = reinterpret_cast<const std::uint32_t*>(frame.data + y * frame.stride);
        std::uint32_t* out = encoder_->argb.data() + static_cast<size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            std::uint32_t p = row[x];
            std::uint32_t a = p >> 24;
            if (a == 255 || a == 0) {
                out[x] = a == 0 ? 0 : p;
                continue;
            }
            auto un = [a](std::uint32_t c) { return (c * 255 + a / 2) / a; };
            out[x]  = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) |
                     un(p & 0xFF);
        }
    }
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) {
        *error = "libwebp version mismatch";
        return false;
    }
    picture.use_argb    = 1;
    picture.width       = width_;
    picture.height      = height_;
    picture.argb        = encoder_->argb.data();
    picture.argb_stride = width_;
    int timestamp       = frames_ * frame_ms_;
    bool ok = WebPAnimEncoderAdd(encoder_->encoder, &picture, timestamp, &encoder_->config) != 0;
    if (!ok) *error = WebPAnimEncoderGetError(encoder_->encoder);
    ++frames_;
    return ok;
}

bool AnimationWriter::Finish(const std::string& path, std::string* error) {
    if (encoder_->encoder == nullptr) {
        *error = "the WebP animation encoder could not be made";
        return false;
    }
    // A last empty frame fixes the duration of the frame before it.
    if (!WebPAnimEncoderAdd(encoder_->encoder, nullptr, frames_ * frame_ms_, nullptr)) {
        *error = WebPAnimEncoderGetError(encoder_->encoder);
        return false;
    }
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder_->encoder, &data)) {
        *error = WebPAnimEncoderGetError(encoder_->encoder);
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok      = f != nullptr && std::fwrite(data.bytes, 1, data.size, f) == data.size;
    if (f != nullptr && std::fclose(f) != 0) ok = false;
    WebPDataClear(&data);
    if (!ok) *error = "cannot write " + path;
    return ok;
}

}  // namespace drennomar::host
