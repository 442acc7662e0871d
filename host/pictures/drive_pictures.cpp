// The drive's pictures: snapshots as PNG, the animation as WebP, and the
// progress line.
#include "host/pictures/drive_pictures.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace drennomar::host {

namespace {

constexpr int kStripGap   = 8;  // pixels between windows in the animation
constexpr double kGapGrey = 0.08;

double SecondsSince(std::chrono::steady_clock::time_point t) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

}  // namespace

DrivePictures::DrivePictures(WindowPainter& painter, DrivePicturesOptions options)
    : painter_(painter), options_(std::move(options)) {
    std::error_code ec;
    std::filesystem::create_directories(options_.out_dir, ec);
    if (ec) failure_ = "cannot make " + options_.out_dir + ": " + ec.message();
    tty_ = isatty(fileno(stderr)) != 0;
}

DrivePictures::~DrivePictures() {
    if (strip_ != nullptr) cairo_surface_destroy(strip_);
}

void DrivePictures::Wrote(const std::string& path) {
    written_.push_back(path);
    if (first_picture_s_ < 0) first_picture_s_ = SecondsSince(options_.start);
}

std::string DrivePictures::WindowFileName(PanelHost& panel, int window) const {
    const auto& windows = panel.Windows();
    WindowKind kind     = windows[static_cast<size_t>(window)].kind;
    std::string name    = kind == WindowKind::kVirtualCockpit ? "vc" : "2d";
    int same_before     = 0;
    int same_total      = 0;
    for (size_t i = 0; i < windows.size(); ++i) {
        if (windows[i].kind != kind) continue;
        ++same_total;
        if (static_cast<int>(i) < window) ++same_before;
    }
    if (same_total > 1) name.append("-").append(std::to_string(same_before + 1));
    return name;
}

void DrivePictures::Snapshot(PanelHost& panel, std::string_view label) {
    if (!failure_.empty()) return;
    for (int w = 0; w < static_cast<int>(panel.Windows().size()); ++w) {
        cairo_surface_t* surface = painter_.DrawWindow(panel, w);
        if (surface == nullptr) continue;
        std::string path =
            options_.out_dir + "/" + std::string(label) + "-" + WindowFileName(panel, w) + ".png";
        if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS) {
            failure_ = "cannot write " + path;
            return;
        }
        Wrote(path);
    }
}

void DrivePictures::AfterFrame(PanelHost& panel) {
    ++frames_;
    if (options_.animate_every > 0 && failure_.empty() &&
        (frames_ == 1 || frames_ % options_.animate_every == 0)) {
        AnimationFrame(panel);
    }
    if (options_.progress) Progress(false);
}

void DrivePictures::AnimationFrame(PanelHost& panel) {
    const int count = static_cast<int>(panel.Windows().size());
    std::vector<cairo_surface_t*> drawn;
    int width  = 0;
    int height = 0;
    for (int w = 0; w < count; ++w) {
        cairo_surface_t* surface = painter_.DrawWindow(panel, w);
        if (surface == nullptr) continue;
        drawn.push_back(surface);
        width += (width > 0 ? kStripGap : 0) + cairo_image_surface_get_width(surface);
        height = std::max(height, cairo_image_surface_get_height(surface));
    }
    if (drawn.empty()) return;
    if (animation_ == nullptr) {
        // The strip's size is fixed by the first frame: windows that come
        // or grow later are cut to it.
        animation_ = std::make_unique<AnimationWriter>(width, height, options_.animation_frame_ms,
                                                       options_.animation_quality);
        strip_     = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    }
    cairo_t* cr = cairo_create(strip_);
    cairo_set_source_rgb(cr, kGapGrey, kGapGrey, kGapGrey);
    cairo_paint(cr);
    int x = 0;
    for (cairo_surface_t* surface : drawn) {
        cairo_set_source_surface(cr, surface, x, 0);
        cairo_paint(cr);
        x += cairo_image_surface_get_width(surface) + kStripGap;
    }
    cairo_destroy(cr);
    cairo_surface_flush(strip_);
    ArgbImage image{cairo_image_surface_get_width(strip_), cairo_image_surface_get_height(strip_),
                    cairo_image_surface_get_stride(strip_), cairo_image_surface_get_data(strip_)};
    std::string error;
    if (!animation_->AddFrame(image, &error)) failure_ = "animation: " + error;
}

void DrivePictures::Progress(bool final) {
    auto now = std::chrono::steady_clock::now();
    int percent =
        options_.total_frames > 0
            ? static_cast<int>(std::min<std::uint64_t>(100, frames_ * 100 / options_.total_frames))
            : -1;
    // Into a file or pipe the last tenth's line may already say it all.
    if (final && !tty_ && printed_frames_ == frames_) return;
    if (!final) {
        if (tty_) {
            if (now - last_progress_ < std::chrono::milliseconds(100)) return;
        } else if (percent < 0 || percent / 10 == last_percent_ / 10) {
            return;  // into a file or pipe: one line per tenth
        }
    }
    last_progress_     = now;
    last_percent_      = percent;
    printed_frames_    = frames_;
    std::uint64_t secs = frames_ / 18;
    char line[160];
    std::snprintf(line, sizeof line, "drive: frame %llu", static_cast<unsigned long long>(frames_));
    std::string text = line;
    if (options_.total_frames > 0) {
        std::snprintf(line, sizeof line, " of %llu (%d%%)",
                      static_cast<unsigned long long>(options_.total_frames), percent);
        text += line;
    }
    std::snprintf(line, sizeof line, ", %02llu:%02llu simulated, %d animation frames, %.1f s",
                  static_cast<unsigned long long>(secs / 60),
                  static_cast<unsigned long long>(secs % 60),
                  animation_ ? animation_->FrameCount() : 0, SecondsSince(options_.start));
    text += line;
    if (tty_) {
        std::fprintf(stderr, "\r%s\033[K%s", text.c_str(), final ? "\n" : "");
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::fflush(stderr);
}

bool DrivePictures::Finish(std::string* error) {
    if (options_.progress) Progress(true);
    if (failure_.empty() && animation_ != nullptr && animation_->FrameCount() > 0) {
        std::string path = options_.out_dir + "/drive.webp";
        std::string why;
        if (options_.progress) {
            std::fprintf(stderr, "encoding %d animation frames...\n", animation_->FrameCount());
        }
        if (animation_->Finish(path, &why)) {
            Wrote(path);
        } else {
            failure_ = "animation: " + why;
        }
    }
    if (!failure_.empty()) *error = failure_;
    return failure_.empty();
}

}  // namespace drennomar::host
