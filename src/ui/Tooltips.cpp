#include "ui/Tooltips.h"

#include "app/Texts.h"

const TooltipTemplate kTooltips[6] = {
    {ControlId::编辑框1, texts::kTipAmount},  {ControlId::组合框2, texts::kTipUnit},
    {ControlId::组合框1, texts::kTipAction},  {ControlId::按钮1, texts::kTipOk},
    {ControlId::按钮2, texts::kTipCancel},    {ControlId::编辑框2, texts::kTipTarget},
};
