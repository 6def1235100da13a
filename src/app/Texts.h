#pragma once
// Every text the user sees, in one place. The source is UTF-8; the compiler turns each literal
// into the GBK bytes the program shows (code page 936).

namespace texts {

inline constexpr char kWindowTitle[] = "定时重启/关机/运行/关闭程序   [Plumweir]";

// Countdown
inline constexpr char kStatusPrefix[] = " 开始倒计时操作： ";
inline constexpr char kMinutesLabel[] = " 分 ";
inline constexpr char kSecondsLabel[] = " 秒";
inline constexpr char kMessageCaption[] = "提示：";
inline constexpr char kNoAmount[] = "请添写要控制的时间数.";
inline constexpr char kNoCloseTarget[] = "没有指定要关闭的文件.";
inline constexpr char kNoRunTarget[] = "没有指定要运行的文件.";

// Units and actions, as the drop-down lists show them
inline constexpr char kUnitMinutes[] = "分钟";
inline constexpr char kUnitHours[] = "小时";
inline constexpr char kActionRestart[] = "重启";
inline constexpr char kActionShutdown[] = "关机";
inline constexpr char kActionRunProgram[] = "运行程序";
inline constexpr char kActionCloseProgram[] = "关闭程序";

// Controls
inline constexpr char kProgramLabel[] = "程 序：";
inline constexpr char kAfterLabel[] = "后";
inline constexpr char kOkButton[] = "确定";
inline constexpr char kCancelButton[] = "取消";
inline constexpr char kAmountDefault[] = "1";

// Target selection
inline constexpr char kNoTargetChosen[] = "没有指定要运行的文件及路径.";
inline constexpr char kFileFilterDescription[] = "可正常双击打开运行的文件或程序.";
inline constexpr char kDefaultExtension[] = "exe";

// Tooltips
inline constexpr char kTipAmount[] = "此处添写需要等待的数值.";
inline constexpr char kTipUnit[] = "此处选择按分钟/小时.";
inline constexpr char kTipAction[] = "此处选择 重启电脑/关闭电脑/运行指定程序或打开指定文件.";
inline constexpr char kTipOk[] = "点此确定按钮开始倒计时.";
inline constexpr char kTipCancel[] = "取消倒计时.";
inline constexpr char kTipTarget[] = "要运行程序的路径.";

// Hyperlink: the maker's name, then the host of a placeholder address that belongs to nobody
// (".test" is reserved for that); short enough to fit the link's 141 pixels.
inline constexpr char kLinkCaption[] = "Plumweir：plumweir.test";
inline constexpr char kLinkAddress[] = "http://plumweir.test/";

}  // namespace texts
