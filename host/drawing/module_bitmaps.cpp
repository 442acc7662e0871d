#include "host/drawing/module_bitmaps.h"

#include "host/bmp_reader.h"
#include "host/resource_file.h"

namespace drennomar::host {

namespace {

/// Bitmaps from the resources of the module's library file, palettes
/// applied.
class ResourceBitmaps : public BitmapSource {
  public:
    explicit ResourceBitmaps(ResourceFile resources) : resources_(std::move(resources)) {}

    std::optional<RgbBitmap> Load(RESOURCE_ID id, std::string* error) override {
        if (id < 0 || id > 0xFFFF) {
            if (error != nullptr) *error = "no such resource identifier";
            return std::nullopt;
        }
        try {
            IndexedBitmap indexed = LoadBitmap(resources_, static_cast<std::uint16_t>(id));
            RgbBitmap bitmap;
            bitmap.width  = indexed.width;
            bitmap.height = indexed.height;
            bitmap.pixels.reserve(indexed.indices.size());
            for (std::uint8_t index : indexed.indices) {
                // An index past the palette's end reads as black.
                PaletteColour c =
                    index < indexed.palette.size() ? indexed.palette[index] : PaletteColour{};
                bitmap.pixels.push_back(Rgb(c.r, c.g, c.b));
            }
            return bitmap;
        } catch (const ResourceError& e) {
            if (error != nullptr) *error = e.what();
            return std::nullopt;
        }
    }

  private:
    ResourceFile resources_;
};

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
    try {
        return std::make_shared<ResourceBitmaps>(ResourceFile::FromLibraryFile(library_path));
    } catch (const ResourceError& e) {
        return std::make_shared<UnreadableBitmaps>(library_path + ": " + e.what());
    }
}

}  // namespace drennomar::host
