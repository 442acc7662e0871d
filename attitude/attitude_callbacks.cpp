// Callbacks of RollPitchIndicator, RollVCIndicator and PitchVCIndicator.
//
// Inputs:  the pitch (token 0x4D) and bank (token 0x4F) the panel reads into
//          the marker's and the pointer's source records; the named variable
//          RollPitchGauge; module state FacePending.
// Outputs: the marker's and pointer's values; on a click RollPitchGauge and
//          FacePending; at RollPitchIndicator's callback the hidden bits of
//          its four elements, and FacePending back to 0.
//
// RollPitchGauge has no copy in module state: every use looks the name up and
// reads it afresh, and no identifier is kept from one call to the next.
#include "attitude/attitude_callbacks.h"

#include "panel/module_imports.h"
#include "state/module_state.h"
#include "state/numeric.h"

namespace drennomar {

namespace {

// A value that is not a number fails both comparisons and goes back to the
// panel as it came.
constexpr double LimitToAttitudeRange(double deg) {
    if (deg > kAttitudeLimitDeg) return kAttitudeLimitDeg;
    if (deg < -kAttitudeLimitDeg) return -kAttitudeLimitDeg;
    return deg;
}

void SetFlag(PELEMENT_HEADER element, FLAGS32 bit) { element->image_flags |= bit; }
void ClearFlag(PELEMENT_HEADER element, FLAGS32 bit) { element->image_flags &= ~bit; }

}  // namespace

FLOAT64 PANELAPI PitchMarkerCallback(SliderElement* marker) {
    return LimitToAttitudeRange(marker->y.source_var.var_value);
}

// The bank comes as 0 to 360; above 180 it stands for the negative angle, but
// 180 itself is left as it is and limited to +20.
FLOAT64 PANELAPI RollPointerCallback(NeedleElement* pointer) {
    double bank = pointer->source_var.var_value;
    if (bank > 180.0) bank -= 360.0;
    return LimitToAttitudeRange(bank);
}

BOOL32 PANELAPI FaceClickHandler(PPIXPOINT, FLAGS32) {
    const NAMED_VAR_ID id    = panel::CheckNamedVariable(kNamedRollPitchGauge);
    const std::int32_t face  = TruncateToInt32(panel::GetNamedVariable(id));
    gModuleState.FacePending = 1;
    panel::SetNamedVariable(id, face == 0 ? 1.0 : 0.0);
    return 1;
}

// Only hidden bits change, one at a time, so every other flag the definitions
// gave the elements stays as it was. The pitch branch also clears the roll
// pointer's top bit, which nothing in the module ever sets.
void PANELAPI FaceSwitchCallback(PGAUGEHDR gauge, SINT32, UINT32) {
    const NAMED_VAR_ID id   = panel::CheckNamedVariable(kNamedRollPitchGauge);
    const std::int32_t face = TruncateToInt32(panel::GetNamedVariable(id));
    if (gModuleState.FacePending == 0) return;

    PELEMENT_HEADER pitch_face   = gauge->elements_list[0];
    PELEMENT_HEADER* children    = pitch_face->next_element;
    PELEMENT_HEADER pitch_marker = children[kPitchMarker];
    PELEMENT_HEADER roll_face    = children[kRollFace];
    PELEMENT_HEADER roll_pointer = children[kRollPointer];
    if (face != 0) {
        ClearFlag(pitch_face, IMAGE_HIDDEN);
        ClearFlag(pitch_marker, IMAGE_HIDDEN);
        SetFlag(roll_face, IMAGE_HIDDEN);
        SetFlag(roll_pointer, IMAGE_HIDDEN);
        ClearFlag(roll_pointer, IMAGE_HIDDEN_TREE);
    } else {
        SetFlag(pitch_face, IMAGE_HIDDEN);
        SetFlag(pitch_marker, IMAGE_HIDDEN);
        ClearFlag(roll_face, IMAGE_HIDDEN);
        ClearFlag(roll_pointer, IMAGE_HIDDEN);
    }
    gModuleState.FacePending = 0;
}

}  // namespace drennomar
