// Every element of every gauge in Linkage names a bitmap of the catalogue
// (string elements name none), and every icon's further images follow its
// first at consecutive identifiers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "panel/module_imports.h"
#include "resources/bitmap_ids.h"

namespace drennomar {
namespace {

bool InCatalogue(RESOURCE_ID id) {
    return std::any_of(std::begin(kBitmapCatalogue), std::end(kBitmapCatalogue),
                       [id](const CatalogueEntry& s) { return RESOURCE_ID(s.id) == id; });
}

// Checks one element and, depth first, its children; counts the elements.
void Walk(const ElementHeader* e, const std::string& where, int depth, int& count) {
    ASSERT_LT(depth, 16) << where << ": element tree too deep (a cycle?)";
    ++count;
    SCOPED_TRACE(where);
    if (e->element_type == ELEMENT_STRING) {
        EXPECT_EQ(e->resource_id, kNoResource);
    } else {
        EXPECT_TRUE(InCatalogue(e->resource_id)) << "resource 0x" << std::hex << e->resource_id;
    }
    if (e->element_type == ELEMENT_ICON) {
        const auto* icon = reinterpret_cast<const IconElement*>(e);
        EXPECT_GE(icon->picture_count, 1);
        for (SINT32 k = 1; k < icon->picture_count; ++k) {
            EXPECT_TRUE(InCatalogue(e->resource_id + k))
                << "icon image " << k << " at 0x" << std::hex << e->resource_id + k;
        }
    }
    if (e->next_element == nullptr) return;
    for (int i = 0; e->next_element[i] != nullptr; ++i) {
        Walk(e->next_element[i], where + "/" + std::to_string(i), depth + 1, count);
    }
}

TEST(ArtElements, EveryElementNamesACatalogueBitmap) {
    int gauges = 0, elements = 0;
    for (size_t g = 0; g < kGaugeTableSlots && Linkage.gauge_table[g] != nullptr; ++g) {
        const GAUGEHDR& gauge = *Linkage.gauge_table[g];
        ASSERT_NE(gauge.elements_list, nullptr) << gauge.gauge_name;
        ASSERT_NE(gauge.elements_list[0], nullptr) << gauge.gauge_name;
        Walk(gauge.elements_list[0], gauge.gauge_name, 0, elements);
        ++gauges;
    }
    EXPECT_EQ(gauges, 13);
    EXPECT_GE(elements, gauges);
}

}  // namespace
}  // namespace drennomar
