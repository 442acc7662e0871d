// Shared by the navigation tests: the HeadingCompass read-outs as the panel
// system would hand them to their callbacks, each with a text buffer of
// exactly the size the element declares, so that a text running past it is
// caught by the address sanitizer.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "module/gauge_table.h"
#include "navigation/navigation.h"

namespace drennomar::test {

/// Element `index` of HeadingCompass's chain: 0 face, 1 card, 2 BEARING,
/// 3 RANGE, 4 DISTANCE.
inline ElementHeader* HeadingCompassChain(int index) {
    ElementHeader* e = HeadingCompassGauge.elements_list[0];
    for (int i = 0; i < index; ++i) e = e->next_element[0];
    return e;
}

enum ReadoutIndex { kBearingReadout = 2, kRangeReadout = 3, kDistanceReadout = 4 };

/// A copy of one read-out element with its own text buffer of char_count + 1
/// bytes, filled with 'x' so that a missing terminator shows.
class Readout {
  public:
    explicit Readout(ReadoutIndex index)
        : element_(*reinterpret_cast<StringElement*>(HeadingCompassChain(index))),
          size_(element_.char_count + 1),
          buffer_(new char[size_]) {
        std::memset(buffer_.get(), 'x', size_);
        element_.string = buffer_.get();
    }

    /// Runs the element's callback as the panel system does, with `source`
    /// as its first source value (the heading for BEARING).
    double Update(double source = 0.0) {
        element_.source_var[0].var_value = source;
        return element_.update_cb(&element_);
    }

    /// The text up to its zero, or the whole buffer marked unterminated.
    std::string Text() const {
        const void* zero = std::memchr(buffer_.get(), '\0', size_);
        if (zero == nullptr) return "<unterminated>";
        return std::string(buffer_.get());
    }

    std::size_t BufferSize() const { return size_; }

  private:
    StringElement element_;
    std::size_t size_;
    std::unique_ptr<char[]> buffer_;
};

/// Clears the navigation records as at load; the test panel clears the
/// module state itself.
inline void ClearNavigationRecords() {
    for (MODULE_VAR* record :
         {&OdometerTickVar, &GroundSpeedVar, &LongitudeVar, &LatitudeVar, &ResetTickVar}) {
        record->var_value = 0.0;
    }
}

}  // namespace drennomar::test
