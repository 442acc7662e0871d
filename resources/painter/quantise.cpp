// Median cut over the weighted histogram of opaque colours, then Lloyd
// (k-means) passes over the same histogram. Everything iterates in a fixed
// order so that the same pictures always give the same palette.
#include "resources/painter/quantise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <stdexcept>

namespace drennomar::painter {
namespace {

struct Bin {
    Rgb colour;
    std::int64_t count;
};

int Channel(Rgb c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

int Dist2(Rgb a, Rgb b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    // Green weighs most and blue least, roughly as the eye does.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

Rgb NotBlack(Rgb c) { return c == kSeeThrough ? Rgb{1, 1, 1} : c; }

struct Box {
    std::vector<Bin> bins;
    std::int64_t Weight() const {
        std::int64_t w = 0;
        for (const Bin& b : bins) w += b.count;
        return w;
    }
    // The longest side of the box and its length.
    std::pair<int, int> LongestAxis() const {
        std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
        for (const Bin& b : bins) {
            for (int a = 0; a < 3; ++a) {
                lo[a] = std::min(lo[a], Channel(b.colour, a));
                hi[a] = std::max(hi[a], Channel(b.colour, a));
            }
        }
        int axis = 0;
        for (int a = 1; a < 3; ++a) {
            if (hi[a] - lo[a] > hi[axis] - lo[axis]) axis = a;
        }
        return {axis, hi[axis] - lo[axis]};
    }
    Rgb Mean() const {
        std::int64_t r = 0, g = 0, b = 0, w = 0;
        for (const Bin& bin : bins) {
            r += bin.colour.r * bin.count;
            g += bin.colour.g * bin.count;
            b += bin.colour.b * bin.count;
            w += bin.count;
        }
        return Rgb{std::uint8_t((r + w / 2) / w), std::uint8_t((g + w / 2) / w),
                   std::uint8_t((b + w / 2) / w)};
    }
};

std::vector<Bin> Histogram(const std::vector<const Picture*>& pictures) {
    std::map<std::uint32_t, Bin> bins;
    for (const Picture* p : pictures) {
        for (size_t i = 0; i < p->pixels.size(); ++i) {
            if (!p->opaque[i]) continue;
            auto [it, inserted] = bins.try_emplace(p->pixels[i].Key(), Bin{p->pixels[i], 0});
            ++it->second.count;
        }
    }
    std::vector<Bin> out;
    out.reserve(bins.size());
    for (auto& [key, bin] : bins) out.push_back(bin);
    return out;
}

std::vector<Rgb> MedianCut(std::vector<Bin> bins, int count) {
    std::vector<Box> boxes{Box{std::move(bins)}};
    while (int(boxes.size()) < count) {
        // Split the box whose longest side, weighted by its pixels, is largest.
        int best          = -1;
        double best_score = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].bins.size() < 2) continue;
            const double score =
                double(boxes[i].LongestAxis().second) * std::sqrt(double(boxes[i].Weight()));
            if (best < 0 || score > best_score) {
                best       = int(i);
                best_score = score;
            }
        }
        if (best < 0) break;
        Box& box        = boxes[size_t(best)];
        const int axis  = box.LongestAxis().first;
        auto by_channel = [axis](const Bin& a, const Bin& b) {
            const int ca = Channel(a.colour, axis), cb = Channel(b.colour, axis);
            return ca != cb ? ca < cb : a.colour.Key() < b.colour.Key();
        };
        std::sort(box.bins.begin(), box.bins.end(), by_channel);
        const std::int64_t half = box.Weight() / 2;
        std::int64_t running    = 0;
        size_t cut              = 1;
        for (; cut < box.bins.size(); ++cut) {
            running += box.bins[cut - 1].count;
            if (running >= half) break;
        }
        cut = std::clamp<size_t>(cut, 1, box.bins.size() - 1);
        Box upper{std::vector<Bin>(box.bins.begin() + std::ptrdiff_t(cut), box.bins.end())};
        box.bins.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb> palette;
    for (const Box& b : boxes) palette.push_back(b.Mean());
    return palette;
}

void KMeans(const std::vector<Bin>& bins, std::vector<Rgb>& palette, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<std::array<std::int64_t, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const Bin& b : bins) {
            size_t k = 0;
            int best = std::numeric_limits<int>::max();
            for (size_t i = 0; i < palette.size(); ++i) {
                const int d = Dist2(b.colour, palette[i]);
                if (d < best) best = d, k = i;
            }
            sums[k][0] += b.colour.r * b.count;
            sums[k][1] += b.colour.g * b.count;
            sums[k][2] += b.colour.b * b.count;
            sums[k][3] += b.count;
        }
        for (size_t i = 0; i < palette.size(); ++i) {
            const std::int64_t w = sums[i][3];
            if (w == 0) continue;
            palette[i] =
                Rgb{std::uint8_t((sums[i][0] + w / 2) / w), std::uint8_t((sums[i][1] + w / 2) / w),
                    std::uint8_t((sums[i][2] + w / 2) / w)};
        }
    }
}

std::vector<Rgb> Distinct(const std::vector<Rgb>& colours) {
    std::vector<Rgb> out;
    for (Rgb c : colours) {
        if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
    }
    return out;
}

}  // namespace

std::vector<Rgb> ChoosePalette(const std::vector<const Picture*>& pictures, int count) {
    std::vector<Bin> bins = Histogram(pictures);
    if (bins.empty()) return {};
    if (int(bins.size()) <= count) {
        std::vector<Rgb> exact;
        for (const Bin& b : bins) exact.push_back(NotBlack(b.colour));
        return Distinct(exact);
    }
    std::vector<Rgb> palette = MedianCut(bins, count);
    KMeans(bins, palette, 6);
    for (Rgb& c : palette) c = NotBlack(c);
    return Distinct(palette);
}

Rgb Nearest(const std::vector<Rgb>& palette, Rgb c) {
    Rgb best_colour = palette.front();
    int best        = std::numeric_limits<int>::max();
    for (Rgb p : palette) {
        const int d = Dist2(c, p);
        if (d < best) best = d, best_colour = p;
    }
    return best_colour;
}

void MapToPalette(Picture& p, const std::vector<Rgb>& palette) {
    std::map<std::uint32_t, Rgb> memo;
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        if (!p.opaque[i]) {
            p.pixels[i] = kSeeThrough;
            continue;
        }
        auto it = memo.find(p.pixels[i].Key());
        if (it == memo.end()) {
            it = memo.emplace(p.pixels[i].Key(), Nearest(palette, p.pixels[i])).first;
        }
        p.pixels[i] = it->second;
    }
}

std::vector<Rgb> OpaqueColours(const Picture& p) {
    std::vector<Rgb> out;
    std::map<std::uint32_t, bool> seen;
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        if (p.opaque[i] && seen.emplace(p.pixels[i].Key(), true).second) out.push_back(p.pixels[i]);
    }
    return out;
}

bool MergeColours(Picture& p, int x0, int y0, int w, int h, int count) {
    std::map<std::uint32_t, Bin> bins;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            if (!p.IsOpaque(x, y)) continue;
            auto [it, inserted] = bins.try_emplace(p.At(x, y).Key(), Bin{p.At(x, y), 0});
            ++it->second.count;
        }
    }
    if (int(bins.size()) <= count) return false;
    std::vector<Bin> kept;
    for (auto& [key, bin] : bins) kept.push_back(bin);
    std::map<std::uint32_t, Rgb> replaced;
    while (int(kept.size()) > count) {
        size_t victim = 0, heir = 0;
        double best = std::numeric_limits<double>::max();
        for (size_t i = 0; i < kept.size(); ++i) {
            for (size_t j = 0; j < kept.size(); ++j) {
                if (i == j) continue;
                const double cost = double(kept[i].count) * Dist2(kept[i].colour, kept[j].colour);
                if (cost < best) best = cost, victim = i, heir = j;
            }
        }
        kept[heir].count += kept[victim].count;
        const Rgb from = kept[victim].colour, to = kept[heir].colour;
        replaced[from.Key()] = to;
        for (auto& [key, target] : replaced) {
            if (target == from) target = to;
        }
        kept.erase(kept.begin() + std::ptrdiff_t(victim));
    }
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            if (!p.IsOpaque(x, y)) continue;
            auto it = replaced.find(p.At(x, y).Key());
            if (it != replaced.end()) p.At(x, y) = it->second;
        }
    }
    return true;
}

IndexedPicture Index(const Picture& p, int palette_size) {
    std::vector<Rgb> colours = OpaqueColours(p);
    const bool see_through   = std::find(p.opaque.begin(), p.opaque.end(), false) != p.opaque.end();
    auto darker              = [](Rgb a, Rgb b) {
        const int la = 2 * a.r + 5 * a.g + a.b, lb = 2 * b.r + 5 * b.g + b.b;
        return la != lb ? la < lb : a.Key() < b.Key();
    };
    std::sort(colours.begin(), colours.end(), darker);
    IndexedPicture out{p.width, p.height, {}, {}};
    if (see_through) out.palette.push_back(kSeeThrough);
    out.palette.insert(out.palette.end(), colours.begin(), colours.end());
    if (int(out.palette.size()) > palette_size) {
        throw std::runtime_error("picture has more colours than its palette holds");
    }
    while (int(out.palette.size()) < palette_size) out.palette.push_back(out.palette.back());
    std::map<std::uint32_t, std::uint8_t> index_of;
    for (size_t i = 0; i < out.palette.size(); ++i) {
        index_of.try_emplace(out.palette[i].Key(), std::uint8_t(i));
    }
    out.indices.resize(p.pixels.size());
    for (size_t i = 0; i < p.pixels.size(); ++i) {
        out.indices[i] = p.opaque[i] ? index_of.at(p.pixels[i].Key()) : 0;
    }
    return out;
}

IndexedPicture Quantise(Picture p, int palette_size) {
    const bool see_through   = std::find(p.opaque.begin(), p.opaque.end(), false) != p.opaque.end();
    const int opaque_colours = palette_size - (see_through ? 1 : 0);
    MapToPalette(p, ChoosePalette({&p}, opaque_colours));
    return Index(p, palette_size);
}

}  // namespace drennomar::painter
