// The text tab ("文字"): the fourteen text buttons, the preset editor and its style pick, the
// "NED" launcher, the wire numbers and the two-line labels. The presets themselves live here too,
// index 1..14 for ButtonTxt1..ButtonTxt14.
#pragma once

#include <array>

#include "platform/form_controls.h"
#include "text/text_button.h"
#include "text/text_presets.h"

namespace kv {

struct TextPage {
    ButtonControl SpeedButton4{"↓", "設定表示/非表示"};
    std::array<ButtonControl, kTextButtonCount> ButtonTxt;  // ButtonTxt1..ButtonTxt14
    ButtonControl ButtonTxt15{"NED", "属性編集"};

    // The editor's preset number: EditBtnNo shows it, UpDown1 steps it between 1 and 14.
    EditControl EditBtnNo{"1", false};
    UpDownControl UpDown1{1, 1, kTextButtonCount};
    EditControl EditBtnName;
    EditControl EditBtnTxtH{"3.0"};
    EditControl EditBtnTxtW{"1.0"};
    ListControl ComboBtnTxtB{JustificationItems(), 0};
    EditControl EditBtnTxtR{"0"};
    EditControl EditBtnTxtO{"0"};
    CheckControl CheckBtnTxtLay{"固定"};
    EditControl EditBtnTxtLay{"TEXT"};
    CheckControl CheckBtnTxtSty{"ｽﾀｲﾙを固定(内部優先)"};
    EditControl EditBtnTxtSty;
    ButtonControl SpeedTxtSty{"...", "文字を選択してｽﾀｲﾙを取得"};
    EditControl EditBtnTxtSty1;
    EditControl EditBtnTxtSty2;
    CheckControl CheckTate{"縦書き(有効時)"};
    CheckControl CheckBtnTxtIME{"IME ON"};
    CheckControl CheckBtnTxtCup{"ｶｳﾝﾄｱｯﾌﾟ"};
    CheckControl CheckBtnRepeat{"連続"};
    ButtonControl Button1{"登録、更新", ""};

    std::array<TTextBtn, kTextButtonCount + 1> TextButtons;  // [0] unused

    ButtonControl ButtonSenban{"線番", "線番作成"};
    ButtonControl ButtonMain{"2行", "2行文字作成"};
};

}  // namespace kv
