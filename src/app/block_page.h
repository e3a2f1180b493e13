// The block tab ("ﾌﾞﾛｯｸ"): the symbol libraries, their six previews and the insertion
// options, and the picture capture's controls below the form.
#pragma once

#include <array>
#include <string>

#include "library/library_folders.h"
#include "library/symbol_insertion.h"
#include "library/symbol_preview.h"
#include "platform/canvas.h"
#include "platform/form_controls.h"

namespace kv {

struct BlockPage {
    ButtonControl SpeedButton6{"↓", "設定表示/非表示"};

    ListControl ComboBox1;  // the library folders
    ButtonControl SpeedButton8{">>", "次のﾗｲﾌﾞﾗﾘ"};
    ButtonControl Button3{"ﾌﾞﾛｯｸ追加", ""};
    ButtonControl Button2{"ﾘｽﾄから削除", ""};
    ButtonControl SpeedButton7{"→", "次のﾍﾟｰｼﾞ"};
    ListControl ListBox1;  // the symbols of the selected library

    EditControl EditSyakudo{"1.0"};
    CheckControl CheckDimsc{"DIMSCALE倍", true};
    EditControl EditKakudo{"0"};
    ButtonControl SpeedButton16{"...", "線分参照"};
    ButtonControl SpeedButton9{"-90", ""};
    ButtonControl SpeedButton10{"-45", ""};
    ButtonControl SpeedButton11{"-15", ""};
    ButtonControl SpeedButton12{"+90", ""};
    ButtonControl SpeedButton13{"+45", ""};
    ButtonControl SpeedButton14{"+15", ""};
    ButtonControl SpeedButton15{"0", ""};
    CheckControl CheckXrev{"左右反転"};
    CheckControl CheckYrev{"上下反転"};
    CheckControl CheckKiten{"基点選択"};
    CheckControl CheckRenzoku{"連続挿入", true};
    CheckControl CheckAttreq{"ATTREQ"};
    CheckControl CheckAttdia{"ATTDIA", false, false};
    CheckControl CheckInLay{"画層"};
    EditControl EditInLay;
    CheckControl CheckText2In{"挿入後文字入力する"};
    CheckControl CheckBCut{"挿入後ﾄﾘﾑする", true};
    EditControl EditCmt{"ｺﾒﾝﾄなし"};
    ButtonControl ButtonIni{"設定を保存", ""};

    // On the form below the client area, never seen.
    ButtonControl SpeedButton3{"BMP", "", true, false};
    LabelControl Label8;

    // The preview pictures; the view supplies their surfaces. Without one a slot draws nothing
    // but still names its symbol.
    Canvas* Image1 = nullptr;
    Canvas* Image2 = nullptr;
    Canvas* Image3 = nullptr;
    Canvas* Image4 = nullptr;
    Canvas* Image5 = nullptr;
    Canvas* Image6 = nullptr;
    Canvas* Image(int slot) const {
        const std::array<Canvas*, kPreviewSlots> images{Image1, Image2, Image3, Image4, Image5, Image6};
        return images[static_cast<size_t>(slot)];
    }
    // Each picture's hint, the name of the symbol it shows, and how it maps the drawing.
    std::array<LabelControl, kPreviewSlots> hints;
    std::array<SlotView, kPreviewSlots> views;

    // The insertion between its steps.
    InsertMemory insertion;
};

}  // namespace kv
