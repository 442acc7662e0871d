// The built-in default panel.
//
// The 2D window is the console picture with every instrument in the place
// the console is painted for: the five gauges whose pictures are cut from
// the console at its registered places, and the speed dial, the attitude
// indicator and the warning flag in the window frame, box and slot painted
// for them. `Control` draws nothing; it is on the panel so that the power
// and thermal model, the warning and the navigation reset run.
//
// The virtual cockpit's texture carries its console with the compass in the
// console's round opening and the monitor over its meter windows; the roll
// instrument fills the attitude box and the pitch instrument, a separate
// instrument there, stands on the texture beside the console, where the
// cockpit model takes it from.
#include "host/default_panel.h"

#include <iterator>

namespace drennomar::host {

namespace {

struct DefaultGauge {
    const char* name;
    SINT32 x;
    SINT32 y;
};

// In drawing order: the console first.
// clang-format off
constexpr DefaultGauge kMainPanelGauges[] = {
    {.name = "Background",         .x =   0, .y =   0},
    {.name = "HeadingCompass",     .x =  30, .y =  60},
    {.name = "Speed",              .x = 235, .y =  58},
    {.name = "RollPitchIndicator", .x =  12, .y = 270},
    {.name = "SliderGauges",       .x = 149, .y = 275},
    {.name = "SwitchesMotorTemp",  .x = 272, .y = 286},
    {.name = "SwitchesBattery",    .x = 272, .y = 364},
    {.name = "SwitchesReset",      .x = 426, .y = 161},
    {.name = "SwitchesWarning",    .x =  15, .y = 457},
    {.name = "Control",            .x =   0, .y =   0},
};
// clang-format on

// clang-format off
constexpr DefaultGauge kVirtualCockpitGauges[] = {
    {.name = "BackgroundVC",     .x =   0, .y =   0},
    {.name = "HeadingCompass",   .x =  30, .y =  60},
    {.name = "SliderGauges",     .x = 149, .y = 275},
    {.name = "RollVCIndicator",  .x =  12, .y = 270},
    {.name = "PitchVCIndicator", .x = 509, .y = 270},
};
// clang-format on

template <size_t N>
void AddGauges(ConfigWindow& window, const DefaultGauge (&gauges)[N]) {
    for (size_t i = 0; i < N; ++i) {
        ConfigGauge g;
        g.number = static_cast<int>(i);
        g.module = "Drennomar";
        g.name   = gauges[i].name;
        g.x      = gauges[i].x;
        g.y      = gauges[i].y;
        window.gauges.push_back(g);
    }
}

}  // namespace

PanelConfig DefaultPanelConfig() {
    PanelConfig config;
    config.file = "embedded default";

    ConfigWindow main;
    main.section               = "Window00";
    main.kind                  = WindowKind::kPanel2D;
    main.number                = 0;
    main.title                 = "Main Panel";
    main.size_x                = 500;
    main.size_y                = 600;
    main.has_background_colour = true;
    main.background            = {0, 0, 0};
    main.position              = 7;
    main.visible               = 1;
    main.ident                 = "MAIN_PANEL";
    main.has_window_size       = true;
    main.window_size[0]        = 0.5;
    main.window_size[1]        = 1.0;
    main.has_window_pos        = true;
    main.window_pos[0]         = 0.0;
    main.window_pos[1]         = 0.0;
    AddGauges(main, kMainPanelGauges);
    config.windows.push_back(main);

    ConfigWindow vc;
    vc.section               = "Vcockpit01";
    vc.kind                  = WindowKind::kVirtualCockpit;
    vc.number                = 1;
    vc.size_x                = 640;
    vc.size_y                = 600;
    vc.pixel_x               = 640;
    vc.pixel_y               = 600;
    vc.texture               = "$Drennomar_VC";
    vc.has_background_colour = true;
    vc.background            = {0, 0, 0};
    AddGauges(vc, kVirtualCockpitGauges);
    config.windows.push_back(vc);
    return config;
}

}  // namespace drennomar::host
