// Placing a text from a text button: the text is inserted at the centre of the view and handed
// to MOVE, so that the user drags it to its place; with repeat, count-up texts follow one
// another without the dialog in between.
#pragma once

#include <string>

#include "operation/op_context.h"
#include "text/text_button.h"
#include "text/text_form.h"

namespace kv {

// Owned by the main window; CountPrefix, CountValue and CountSuffix carry a count-up series
// from one button press to the next.
struct TextPlacement {
    TTextBtn ActiveText;  // the pressed button's preset, its name the text to create
    std::string CountPrefix;
    std::string CountValue;
    std::string CountSuffix;
    std::string SavedCount;  // CountValue before the text being dragged
    int PrefixIndex = 0;
    std::string ViewCentre;  // VIEWCTR as the host gave it: the base point of the drag
    std::string SavedOrthoMode;

    bool CountingUp() const { return !(CountPrefix + CountValue + CountSuffix).empty(); }
};

// The dialog filled for preset `preset`: its look, the layer and style only when fixed, and
// for a count-up preset the series so far (the counter "1" when there is none yet).
void FillTextForm(TFormText& form, const TTextBtn& preset, TextPlacement& p);
// The confirmed dialog into p.ActiveText for button n; a count-up preset takes its first text
// from the series. A number field or counter that is no number throws ConversionError and
// leaves p as it was. The layer and style are left for the caller when not fixed.
void TakeTextForm(const TFormText& form, int n, TextPlacement& p);

// From idle: DIMSCALE, VIEWCTR and ORTHOMODE read, ORTHOMODE switched off, state 2102.
// False (nothing started) when VIEWCTR reads as no point.
bool StartTextPlacement(OpContext& op, TextPlacement& p);

// State 2102: the text written at the view centre and dragged from there.
void TextPlaceStep(OpContext& op, TextPlacement& p);

enum class TextDragEnd {
    kWaiting,      // the drag goes on
    kDone,         // placed; nothing follows
    kReopen,       // cancelled, or placed with repeat of a plain text: the dialog opens again
    kNextCounted,  // placed with repeat of a count-up text: the next one is on its way
};

// State 2103: waits for the drag to end. A cancelled drag erases the text and sets the counter
// back; `repeat` is the repeat box as the tab shows it now.
TextDragEnd TextDragStep(OpContext& op, TextPlacement& p, bool repeat);

}  // namespace kv
