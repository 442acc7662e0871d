// Reading panel configurations and placing them on a panel.
//
// [SECTION] Text helpers
// [SECTION] Values
// [SECTION] Sections and keys
// [SECTION] Reading
// [SECTION] Comparing
// [SECTION] Placing
#include "host/panel_config.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "host/script.h"

namespace drennomar::host {

namespace {

//-----------------------------------------------------------------------------
// [SECTION] Text helpers
//-----------------------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

/// `s` without blanks, in lower case: how gauge names are matched.
std::string Folded(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (!IsBlank(c)) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::vector<std::string_view> SplitCommas(std::string_view s) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        size_t comma = s.find(',', start);
        if (comma == std::string_view::npos) {
            parts.push_back(Trim(s.substr(start)));
            return parts;
        }
        parts.push_back(Trim(s.substr(start, comma - start)));
        start = comma + 1;
    }
}

/// If `word` is `prefix` (any case) followed by one or more digits, the
/// number they make; otherwise -1.
int NumberedName(std::string_view word, std::string_view prefix) {
    if (word.size() <= prefix.size() || word.size() > prefix.size() + 6) return -1;
    if (Lower(word.substr(0, prefix.size())) != prefix) return -1;
    int n = 0;
    for (char c : word.substr(prefix.size())) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string Quoted(std::string_view s) {
    std::string out = "'";
    out.append(s);
    out += '\'';
    return out;
}

//-----------------------------------------------------------------------------
// [SECTION] Values
//-----------------------------------------------------------------------------

// Bounds of what a panel can mean: design units and pixels fit easily in
// these, and anything beyond is a typing error rather than a panel.
constexpr long long kMaxCoordinate = 32767;
constexpr long long kMaxSize       = 32767;

/// Reports against one line of one file.
class LineReporter {
  public:
    LineReporter(std::string_view file, ConfigReport* report) : file_(file), report_(report) {}
    void SetLine(int line) { line_ = line; }
    int Line() const { return line_; }
    void Warn(const std::string& text) const {
        report_->warnings.push_back(
            Format("%s:%d: warning: %s", file_.c_str(), line_, text.c_str()));
    }
    void Error(const std::string& text) const {
        report_->errors.push_back(Format("%s:%d: %s", file_.c_str(), line_, text.c_str()));
    }

  private:
    std::string file_;
    ConfigReport* report_;
    int line_ = 0;
};

bool ReadInt(const LineReporter& at, std::string_view what, std::string_view text, long long min,
             long long max, long long* value) {
    long long v = 0;
    if (text.empty()) {
        at.Error(std::string(what) + " is missing");
        return false;
    }
    if (!ParseInteger(text, &v)) {
        at.Error(Format("%.*s %s is not a whole number", static_cast<int>(what.size()), what.data(),
                        Quoted(text).c_str()));
        return false;
    }
    if (v < min || v > max) {
        at.Error(Format("%.*s %.*s is out of range (%lld to %lld)", static_cast<int>(what.size()),
                        what.data(), static_cast<int>(text.size()), text.data(), min, max));
        return false;
    }
    *value = v;
    return true;
}

bool ReadFraction(const LineReporter& at, std::string_view what, std::string_view text,
                  double* value) {
    double v = 0.0;
    if (!ParseReal(text, &v) || std::isnan(v)) {
        at.Error(Format("%.*s %s is not a number", static_cast<int>(what.size()), what.data(),
                        Quoted(text).c_str()));
        return false;
    }
    if (v < 0.0 || v > 1.0) {
        at.Error(Format("%.*s %.*s is out of range (0 to 1)", static_cast<int>(what.size()),
                        what.data(), static_cast<int>(text.size()), text.data()));
        return false;
    }
    *value = v;
    return true;
}

/// `W,H` or `W` (H then 0): a size in design units or pixels.
bool ReadSize(const LineReporter& at, std::string_view key, std::string_view value, SINT32* x,
              SINT32* y) {
    auto parts = SplitCommas(value);
    if (parts.size() > 2) {
        at.Error(Format("%.*s takes a width and a height, not %zu values",
                        static_cast<int>(key.size()), key.data(), parts.size()));
        return false;
    }
    long long w = 0;
    long long h = 0;
    if (!ReadInt(at, std::string(key) + " width", parts[0], 1, kMaxSize, &w)) return false;
    if (parts.size() == 2 &&
        !ReadInt(at, std::string(key) + " height", parts[1], 1, kMaxSize, &h)) {
        return false;
    }
    *x = static_cast<SINT32>(w);
    *y = static_cast<SINT32>(h);
    return true;
}

bool ReadPair(const LineReporter& at, std::string_view key, std::string_view value,
              double pair[2]) {
    auto parts = SplitCommas(value);
    if (parts.size() != 2) {
        at.Error(Format("%.*s takes two values, not %zu", static_cast<int>(key.size()), key.data(),
                        parts.size()));
        return false;
    }
    double a = 0.0;
    double b = 0.0;
    if (!ReadFraction(at, key, parts[0], &a) || !ReadFraction(at, key, parts[1], &b)) return false;
    pair[0] = a;
    pair[1] = b;
    return true;
}

bool ReadColour(const LineReporter& at, std::string_view value, RgbColour* colour) {
    auto parts = SplitCommas(value);
    if (parts.size() != 3) {
        at.Error(
            Format("Background_color takes red, green and blue, not %zu values", parts.size()));
        return false;
    }
    long long c[3]                        = {0, 0, 0};
    static constexpr const char* kNames[] = {"red", "green", "blue"};
    for (size_t i = 0; i < 3; ++i) {
        if (!ReadInt(at, kNames[i], parts[i], 0, 255, &c[i])) return false;
    }
    *colour = {static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
               static_cast<std::uint8_t>(c[2])};
    return true;
}

/// `Module!Name, x, y[, w[, h]]`.
bool ReadGauge(const LineReporter& at, int number, std::string_view value, ConfigGauge* gauge) {
    auto parts           = SplitCommas(value);
    std::string_view ref = parts[0];
    size_t bang          = ref.find('!');
    if (ref.empty()) {
        at.Error("gauge line without a gauge: expected Module!Name, x, y");
        return false;
    }
    if (bang == std::string_view::npos) {
        at.Error(Format("gauge %s lacks its module: expected Module!Name", Quoted(ref).c_str()));
        return false;
    }
    gauge->module = std::string(Trim(ref.substr(0, bang)));
    gauge->name   = std::string(Trim(ref.substr(bang + 1)));
    if (gauge->module.empty() || gauge->name.empty()) {
        at.Error(Format("gauge %s: expected Module!Name", Quoted(ref).c_str()));
        return false;
    }
    if (parts.size() < 3) {
        at.Error(Format("gauge line for %s needs x and y", Quoted(ref).c_str()));
        return false;
    }
    if (parts.size() > 5) {
        at.Error(Format("gauge line for %s has %zu values; at most Module!Name, x, y, w, h",
                        Quoted(ref).c_str(), parts.size()));
        return false;
    }
    long long v[4]                       = {0, 0, 0, 0};
    static constexpr const char* kWhat[] = {"x", "y", "width", "height"};
    for (size_t i = 1; i < parts.size(); ++i) {
        long long min = i <= 2 ? -kMaxCoordinate : 1;
        long long max = i <= 2 ? kMaxCoordinate : kMaxSize;
        if (!ReadInt(at, kWhat[i - 1], parts[i], min, max, &v[i - 1])) return false;
    }
    gauge->number = number;
    gauge->x      = static_cast<SINT32>(v[0]);
    gauge->y      = static_cast<SINT32>(v[1]);
    gauge->width  = static_cast<SINT32>(v[2]);
    gauge->height = static_cast<SINT32>(v[3]);
    gauge->line   = at.Line();
    return true;
}

//-----------------------------------------------------------------------------
// [SECTION] Sections and keys
//-----------------------------------------------------------------------------

// Sections the simulator's files carry for things other than gauges (the
// views, the cockpit colours). They place nothing, so their keys are
// skipped without a word.
constexpr std::string_view kOtherSections[] = {"views",  "default view", "color",
                                               "colors", "fltsim",       "vcockpit"};

// Keys of a window that the simulator knows and that change nothing in how
// its gauges are drawn here: skipped without a warning.
constexpr std::string_view kQuietWindowKeys[] = {
    "nomenu",
    "zorder",
    "sizeable",
    "type",
    "alpha",
    "child_3d",
    "file_1024",
    "file_640",
    "file_800",
    "file_1280",
    "file_1600",
    "no_luminous",
    "render_3d_window",
    "render_3d_window_default",
    "windowsize_ratio",
    "view_forward_dir",
    "view_forward_zoom",
    "view_forward_windows",
    "hidden_tooltips",
    "nofocus",
    "draggable",
};

bool Among(std::string_view key, const std::string_view* begin, const std::string_view* end) {
    return std::find(begin, end, key) != end;
}

enum class SectionKind { kNone, kTitles, kWindow, kOther, kUnknown };

struct Section {
    SectionKind kind     = SectionKind::kNone;
    ConfigWindow* window = nullptr;
};

void ReadWindowKey(const LineReporter& at, ConfigWindow& w, std::string_view key_text,
                   std::string_view value, std::map<std::string, int>& seen) {
    std::string key = Lower(key_text);
    if (int n = NumberedName(key, "gauge"); n >= 0) {
        ConfigGauge gauge;
        if (!ReadGauge(at, n, value, &gauge)) return;
        auto same = std::find_if(w.gauges.begin(), w.gauges.end(),
                                 [n](const ConfigGauge& g) { return g.number == n; });
        if (same != w.gauges.end()) {
            at.Warn(Format("%.*s is given again (first at line %d); this line replaces it",
                           static_cast<int>(key_text.size()), key_text.data(), same->line));
            *same = gauge;
        } else {
            w.gauges.push_back(gauge);
        }
        return;
    }
    if (auto it = seen.find(key); it != seen.end()) {
        at.Warn(Format("%.*s is given again (first at line %d); this line replaces it",
                       static_cast<int>(key_text.size()), key_text.data(), it->second));
    }
    seen[key]     = at.Line();
    const bool vc = w.kind == WindowKind::kVirtualCockpit;
    long long n   = 0;
    if (key == "size_mm") {
        ReadSize(at, "size_mm", value, &w.size_x, &w.size_y);
    } else if (key == "pixel_size" && vc) {
        ReadSize(at, "pixel_size", value, &w.pixel_x, &w.pixel_y);
    } else if (key == "background_color") {
        if (ReadColour(at, value, &w.background)) w.has_background_colour = true;
    } else if (key == "file" && !vc) {
        if (value.empty()) at.Error("file= names no picture");
        w.file = std::string(value);
    } else if (key == "texture" && vc) {
        w.texture = std::string(value);
    } else if (key == "position" && !vc) {
        if (ReadInt(at, "position", value, 0, 8, &n)) w.position = static_cast<int>(n);
    } else if (key == "visible" && !vc) {
        if (ReadInt(at, "visible", value, 0, 1, &n)) w.visible = static_cast<int>(n);
    } else if (key == "ident" && !vc) {
        w.ident = std::string(value);
    } else if (key == "window_size" && !vc) {
        w.has_window_size = ReadPair(at, "window_size", value, w.window_size);
    } else if (key == "window_pos" && !vc) {
        w.has_window_pos = ReadPair(at, "window_pos", value, w.window_pos);
    } else if (!Among(key, std::begin(kQuietWindowKeys), std::end(kQuietWindowKeys))) {
        at.Warn(Format("unknown key '%.*s' in [%s], ignored", static_cast<int>(key_text.size()),
                       key_text.data(), w.section.c_str()));
    }
}

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] Reading
//-----------------------------------------------------------------------------

PanelConfig ParsePanelConfig(std::string_view text, std::string_view file, ConfigReport* report) {
    PanelConfig config;
    config.file = std::string(file);
    LineReporter at(file, report);

    // Windows are kept in a list that only grows at its end, so that the
    // section being read is found by index, not by a pointer into it.
    struct Title {
        std::string text;
        int line;
    };
    std::map<int, Title> titles;  // Window Titles by number
    std::map<std::string, int> section_lines;
    SectionKind kind = SectionKind::kNone;
    int window_index = -1;
    std::map<std::string, int> seen_keys;
    bool warned_outside = false;

    constexpr size_t kMaxLine = 4096;
    int line_no               = 0;
    size_t start              = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start                 = end + 1;
        at.SetLine(++line_no);

        if (line_no == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
        if (line.find('\0') != std::string_view::npos) {
            at.Error("not a text line (it holds a NUL byte)");
            continue;
        }
        if (line.size() > kMaxLine) {
            at.Error(Format("line longer than %zu characters", kMaxLine));
            continue;
        }
        if (size_t c = line.find("//"); c != std::string_view::npos) line = line.substr(0, c);
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;

        if (line[0] == '[') {
            if (line.back() != ']') {
                at.Error(Format("section header %s lacks its ']'", Quoted(line).c_str()));
                kind = SectionKind::kUnknown;
                continue;
            }
            std::string_view name = Trim(line.substr(1, line.size() - 2));
            std::string lower     = Lower(name);
            seen_keys.clear();
            window_index = -1;
            if (auto it = section_lines.find(lower); it != section_lines.end()) {
                at.Error(Format("section [%.*s] appears again (first at line %d)",
                                static_cast<int>(name.size()), name.data(), it->second));
                kind = SectionKind::kUnknown;
                continue;
            }
            section_lines[lower] = line_no;
            int n_window         = NumberedName(lower, "window");
            int n_vc             = NumberedName(lower, "vcockpit");
            if (lower == "window titles") {
                kind = SectionKind::kTitles;
            } else if (n_window >= 0 || n_vc >= 0) {
                kind = SectionKind::kWindow;
                ConfigWindow w;
                w.section = std::string(name);
                w.kind    = n_vc >= 0 ? WindowKind::kVirtualCockpit : WindowKind::kPanel2D;
                w.number  = n_vc >= 0 ? n_vc : n_window;
                w.line    = line_no;
                config.windows.push_back(std::move(w));
                window_index = static_cast<int>(config.windows.size()) - 1;
            } else if (Among(lower, std::begin(kOtherSections), std::end(kOtherSections))) {
                kind = SectionKind::kOther;
            } else {
                kind = SectionKind::kUnknown;
                at.Warn(Format("unknown section [%.*s], its lines ignored",
                               static_cast<int>(name.size()), name.data()));
            }
            continue;
        }

        size_t eq = line.find('=');
        if (kind == SectionKind::kOther || kind == SectionKind::kUnknown) continue;
        if (kind == SectionKind::kNone) {
            if (!warned_outside) at.Warn("lines before the first section, ignored");
            warned_outside = true;
            continue;
        }
        if (eq == std::string_view::npos) {
            at.Error(Format("expected key=value, not %s", Quoted(line).c_str()));
            continue;
        }
        std::string_view key   = Trim(line.substr(0, eq));
        std::string_view value = Trim(line.substr(eq + 1));
        if (key.empty()) {
            at.Error("a value without a key");
            continue;
        }
        if (kind == SectionKind::kTitles) {
            int n = NumberedName(key, "window");
            if (n < 0) {
                at.Warn(Format("unknown key '%.*s' in [Window Titles], ignored",
                               static_cast<int>(key.size()), key.data()));
                continue;
            }
            if (auto it = titles.find(n); it != titles.end()) {
                at.Warn(Format("%.*s is given again (first at line %d); this line replaces it",
                               static_cast<int>(key.size()), key.data(), it->second.line));
            }
            titles[n] = {std::string(value), line_no};
            continue;
        }
        ReadWindowKey(at, config.windows[static_cast<size_t>(window_index)], key, value, seen_keys);
    }

    for (ConfigWindow& w : config.windows) {
        std::stable_sort(
            w.gauges.begin(), w.gauges.end(),
            [](const ConfigGauge& a, const ConfigGauge& b) { return a.number < b.number; });
        if (w.kind == WindowKind::kPanel2D) {
            if (auto it = titles.find(w.number); it != titles.end()) w.title = it->second.text;
        }
        if (w.size_x == 0 && w.pixel_x == 0) {
            at.SetLine(w.line);
            at.Warn(
                Format("[%s] has no size_mm; it takes the size of its gauges", w.section.c_str()));
        }
    }
    for (const auto& [n, title] : titles) {
        bool found = std::any_of(config.windows.begin(), config.windows.end(),
                                 [n = n](const ConfigWindow& w) {
                                     return w.kind == WindowKind::kPanel2D && w.number == n;
                                 });
        if (!found) {
            at.SetLine(title.line);
            at.Warn(Format("title of Window%02d, which no section defines", n));
        }
    }
    return config;
}

PanelConfig ReadPanelConfig(const std::string& path, ConfigReport* report) {
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in.is_open() || in.bad()) {
        report->errors.push_back(path + ":0: cannot read the panel configuration");
        PanelConfig none;
        none.file = path;
        return none;
    }
    return ParsePanelConfig(text.str(), path, report);
}

//-----------------------------------------------------------------------------
// [SECTION] Comparing
//-----------------------------------------------------------------------------

std::string PanelDifference(const PanelConfig& a, const PanelConfig& b) {
    if (a.windows.size() != b.windows.size()) {
        return Format("%zu windows against %zu", a.windows.size(), b.windows.size());
    }
    for (size_t i = 0; i < a.windows.size(); ++i) {
        const ConfigWindow& x = a.windows[i];
        const ConfigWindow& y = b.windows[i];
        std::string where     = "[" + x.section + "]";
        auto differs          = [&](const char* what) { return where + ": " + what + " differs"; };
        if (Lower(x.section) != Lower(y.section)) return where + " against [" + y.section + "]";
        if (x.kind != y.kind || x.number != y.number) return differs("kind or number");
        if (x.title != y.title) return differs("title");
        if (x.size_x != y.size_x || x.size_y != y.size_y) return differs("size_mm");
        if (x.pixel_x != y.pixel_x || x.pixel_y != y.pixel_y) return differs("pixel_size");
        if (x.has_background_colour != y.has_background_colour || !(x.background == y.background)) {
            return differs("Background_color");
        }
        if (x.file != y.file) return differs("file");
        if (x.texture != y.texture) return differs("texture");
        if (x.position != y.position) return differs("position");
        if (x.visible != y.visible) return differs("visible");
        if (x.ident != y.ident) return differs("ident");
        if (x.has_window_size != y.has_window_size || x.window_size[0] != y.window_size[0] ||
            x.window_size[1] != y.window_size[1]) {
            return differs("window_size");
        }
        if (x.has_window_pos != y.has_window_pos || x.window_pos[0] != y.window_pos[0] ||
            x.window_pos[1] != y.window_pos[1]) {
            return differs("window_pos");
        }
        if (x.gauges.size() != y.gauges.size()) {
            return where + Format(": %zu gauges against %zu", x.gauges.size(), y.gauges.size());
        }
        for (size_t g = 0; g < x.gauges.size(); ++g) {
            const ConfigGauge& p = x.gauges[g];
            const ConfigGauge& q = y.gauges[g];
            if (p.number != q.number || Folded(p.module) != Folded(q.module) ||
                Folded(p.name) != Folded(q.name) || p.x != q.x || p.y != q.y ||
                p.width != q.width || p.height != q.height) {
                return where +
                       Format(": gauge%02d %s!%s %d,%d %d,%d against gauge%02d %s!%s %d,%d %d,%d",
                              p.number, p.module.c_str(), p.name.c_str(), p.x, p.y, p.width,
                              p.height, q.number, q.module.c_str(), q.name.c_str(), q.x, q.y,
                              q.width, q.height);
            }
        }
    }
    return "";
}

//-----------------------------------------------------------------------------
// [SECTION] Placing
//-----------------------------------------------------------------------------

namespace {

const GaugeDef* FindGaugeTolerant(const PanelHost& panel, std::string_view name) {
    if (const GaugeDef* exact = panel.FindGauge(name)) return exact;
    std::string folded = Folded(name);
    for (const GaugeDef& g : panel.Gauges()) {
        if (Folded(g.name) == folded) return &g;
    }
    return nullptr;
}

/// `v` design units in pixels, `pixels` of them making `units`.
SINT32 Scaled(SINT32 v, SINT32 pixels, SINT32 units) {
    if (pixels == 0 || units == 0 || pixels == units) return v;
    return static_cast<SINT32>(
        std::lround(static_cast<double>(v) * static_cast<double>(pixels) / units));
}

}  // namespace

bool PlacePanelConfig(PanelHost& panel, const PanelConfig& config, ConfigReport* report) {
    LineReporter at(config.file, report);
    std::vector<std::vector<const GaugeDef*>> defs(config.windows.size());
    const std::string module = Lower(panel.ModuleName());
    bool ok                  = panel.HasModule();
    if (!ok) report->errors.push_back(config.file + ":0: no module is loaded");
    for (size_t i = 0; i < config.windows.size() && ok; ++i) {
        for (const ConfigGauge& g : config.windows[i].gauges) {
            at.SetLine(g.line);
            const GaugeDef* def = nullptr;
            if (Folded(g.module) != Folded(module)) {
                at.Error(Format("unknown module '%s' (this panel has '%s')", g.module.c_str(),
                                panel.ModuleName().c_str()));
                ok = false;
            } else if ((def = FindGaugeTolerant(panel, g.name)) == nullptr) {
                at.Error(Format("unknown gauge '%s!%s'", g.module.c_str(), g.name.c_str()));
                ok = false;
            }
            defs[i].push_back(def);
        }
    }
    if (!ok) return false;

    for (size_t i = 0; i < config.windows.size(); ++i) {
        const ConfigWindow& cw = config.windows[i];
        const bool vc          = cw.kind == WindowKind::kVirtualCockpit;
        PanelWindow w;
        w.section = cw.section;
        w.kind    = cw.kind;
        w.title   = !cw.title.empty() ? cw.title : cw.section;
        w.ident   = cw.ident;
        // A 2D window is drawn at its design size, one pixel per unit; one
        // value gives its width and its height follows from its gauges. A
        // virtual cockpit is drawn at its texture's pixel size, and a
        // texture given one value is square.
        SINT32 units_x = cw.size_x;
        SINT32 units_y = cw.size_y != 0 ? cw.size_y : cw.size_x;
        SINT32 px      = units_x;
        SINT32 py      = cw.size_y;
        if (vc) {
            px = cw.pixel_x != 0 ? cw.pixel_x : units_x;
            py = cw.pixel_x != 0 ? (cw.pixel_y != 0 ? cw.pixel_y : cw.pixel_x) : units_y;
        }
        w.width           = px;
        w.height          = py;
        w.background      = cw.background;
        w.background_file = cw.file;
        w.visible         = cw.visible != 0;
        int index         = panel.AddWindow(std::move(w));
        for (size_t g = 0; g < cw.gauges.size(); ++g) {
            const ConfigGauge& cg = cw.gauges[g];
            const GaugeDef& def   = *defs[i][g];
            SINT32 width = cg.width != 0 ? cg.width : static_cast<SINT32>(def.header->size_x_mm);
            PIXPOINT at_px{Scaled(cg.x, px, units_x), Scaled(cg.y, py, units_y)};
            panel.Place(def, at_px, Scaled(width, px, units_x),
                        cg.height != 0 ? Scaled(cg.height, py, units_y) : 0, index);
        }
    }
    return true;
}

}  // namespace drennomar::host
