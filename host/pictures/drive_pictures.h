// The drive's pictures: a PNG of every window at each `capture`, and an
// animated WebP of the whole drive with the windows side by side, one
// animation frame every so many panel frames. Drawing itself is the
// painter's: this file only asks it for canvases and writes what it drew.
#pragma once

#include <cairo.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/panel_host.h"
#include "host/panel_pictures.h"
#include "host/pictures/animation_writer.h"

namespace drennomar::host {

/// Draws the windows of a panel (the renderer, seen from here).
class WindowPainter {
  public:
    virtual ~WindowPainter() = default;
    /// Window `window` as the panel shows it now: an image surface owned by
    /// the painter, valid until its next call for that window; null if
    /// there is nothing to draw.
    virtual cairo_surface_t* DrawWindow(PanelHost& panel, int window) = 0;
};

struct DrivePicturesOptions {
    std::string out_dir         = "out";
    std::uint64_t animate_every = 36;  // panel frames per animation frame; 0: no animation
    int animation_frame_ms      = 60;  // how long each animation frame shows
    float animation_quality     = 80.0f;
    std::uint64_t total_frames  = 0;     // for the progress line; 0: unknown
    bool progress               = true;  // a progress line on standard error
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

class DrivePictures : public PanelPictures {
  public:
    DrivePictures(WindowPainter& painter, DrivePicturesOptions options);
    ~DrivePictures() override;

    void Snapshot(PanelHost& panel, std::string_view label) override;
    void AfterFrame(PanelHost& panel) override;

    /// Writes the animation (if any frames were taken) and ends the
    /// progress line. False, with the reason in `error`, on a failure.
    bool Finish(std::string* error);

    /// Every file written so far, in order.
    const std::vector<std::string>& Written() const { return written_; }
    /// Seconds from the options' start to the first picture written; < 0
    /// while none is.
    double SecondsToFirstPicture() const { return first_picture_s_; }
    /// The first failure met while drawing or writing, or "".
    const std::string& Failure() const { return failure_; }

  private:
    std::string WindowFileName(PanelHost& panel, int window) const;
    void AnimationFrame(PanelHost& panel);
    void Progress(bool final);
    void Wrote(const std::string& path);

    WindowPainter& painter_;
    DrivePicturesOptions options_;
    std::uint64_t frames_ = 0;
    std::unique_ptr<AnimationWriter> animation_;
    cairo_surface_t* strip_ = nullptr;  // the windows side by side
    std::vector<std::string> written_;
    double first_picture_s_ = -1.0;
    std::string failure_;
    std::chrono::steady_clock::time_point last_progress_;
    int last_percent_             = -1;
    std::uint64_t printed_frames_ = UINT64_MAX;  // frames_ at the last line printed
    bool tty_                     = false;
};

}  // namespace drennomar::host
