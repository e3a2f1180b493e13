// The main tab: the wire and block tools' buttons and the options they work with.
// SpeedButtonUndo, which the operations enable, is kept with them in the operation context.
#pragma once

#include "platform/form_controls.h"

namespace kv {

struct MainPage {
    ButtonControl SpeedButtonHeight{"↓", "設定表示/非表示"};

    // command buttons
    ButtonControl SpeedButton2{"[ESC]", "ｷｬﾝｾﾙ発行"};
    ButtonControl ButtonDraw{"線分", "線分の始点-終点を指示"};
    ButtonControl ButtonLdrawN{"線分.", "始点、終点のみ交点作成", false};
    ButtonControl ButtonSelect{"Lﾄﾘﾑ", "ﾄﾘﾑする線分を１本選択"};
    ButtonControl ButtonLpick{"Lｶｯﾄ", "ｶｯﾄする線分を選択"};
    ButtonControl ButtonBErase{"B削除", "削除するﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonBMove{"B移動", "移動するﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonBCopy{"Bｺﾋﾟｰ", "ｺﾋﾟｰするﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonBCut{"Bﾄﾘﾑ", "ﾄﾘﾑするﾌﾞﾛｯｸを選択"};
    ButtonControl ButtonKpMark{"交点", "交点ﾌﾞﾛｯｸ削除/挿入"};
    ButtonControl ButtonCStretch{"ｽﾄﾚｯﾁ", "矩形範囲をｽﾄﾚｯﾁ"};
    ButtonControl ButtonLJoint{"結合", "複数線分を一気に結合"};
    ButtonControl ButtonTW{"ﾂｲｽﾄ", "２点指示で、２線をﾂｲｽﾄに"};
    ButtonControl ButtonSealed{"ｼｰﾙﾄﾞ", "２点指示でｼｰﾙﾄﾞ線を描く"};
    ButtonControl ButtonText{"属性", "属性一括編集"};

    // "ﾄﾘﾑ対象の画層,ﾌﾞﾛｯｸ名"
    CheckControl CheckLayer{"対象ﾌﾞﾛｯｸの画層を固定"};
    EditControl EditLayer;
    ButtonControl SpeedButtonGetLay{"...", "ﾌﾞﾛｯｸを１つ選択"};
    CheckControl CheckBlock{"特定ﾌﾞﾛｯｸを対象から除く"};
    EditControl EditBlock;
    ButtonControl SpeedButton1{"...", "除外するﾌﾞﾛｯｸを１つ選択"};
    // "検出するﾌﾞﾛｯｸ内の図形"
    CheckControl CheckLine{"LINE", true};
    CheckControl CheckCircle{"CIRCLE", true};
    CheckControl CheckArc{"ARC", true};
    CheckControl CheckLWP{"PLINE", false};
    // "交点ﾌﾞﾛｯｸ"
    EditControl EditKpMark;
    EditControl EditKpLayer;
    CheckControl CheckKpLayer{"挿入画層を固定"};
    EditControl EditKpRad{"1.0"};
    ButtonControl SpeedButtonKpMark{"...", "交点に使用するﾌﾞﾛｯｸを１つ選択"};
    ButtonControl SpeedButton5{"I_KOUTEN ﾛｰﾄﾞ", ""};
    // "LDraw 時の交点処理"
    CheckControl CheckKpMark{"自動交点処理をする"};
    // "ｺﾏﾝﾄﾞﾗｲﾝ"
    CheckControl CheckCmdLine{"ｺﾏﾝﾄﾞﾗｲﾝを監視", true};
    EditControl EditLastChar{"."};
    // "BCopy,BMove,BErase 時"
    CheckControl CheckSelect{"複数図形を選択する"};
    LabelControl Label2;  // OpState at the start of a tick
    LabelControl Label4;  // OpState at its end

    // On the form below the client area, never seen: "作成線分" and "ｺﾏﾝﾄﾞ終了後".
    CheckControl CheckMin{"以下の線分は作成しない"};
    EditControl EditMin{"5.0"};
    CheckControl CheckActive{"本ｱﾌﾟﾘをｱｸﾃｨﾌﾞにする"};
    CheckControl CheckMouse{"ﾏｳｽをﾎﾞﾀﾝ上に戻す"};
};

}  // namespace kv
