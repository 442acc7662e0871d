#include "host/drawing/module_bitmaps.h"

namespace drennomar::host {

namespace {

class UnreadableBitmaps : public BitmapSource {
  public:
    explicit UnreadableBitmaps(std::string why) : why_(std::move(why)) {}
    std::optional<RgbBitmap> Load(RESOURCE_ID, std::string* error) override {
        if (error != nullptr) *error = why_;
        return std::nullopt;
    }

  private:
    std::string why_;
};

}  // namespace

std::shared_ptr<BitmapSource> OpenModuleBitmaps(const std::string& library_path) {
    return std::make_shared<UnreadableBitmaps>(library_path + ": the host reads no resources yet");
}

}  // namespace drennomar::host
