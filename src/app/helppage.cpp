#include "helppage.h"

#include "modalhooks.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

QString helpPage::html()
{
    const struct {
        const char *title;
        const char *body;
    } sections[] = {
        {QT_TR_NOOP("喷印条"),
         QT_TR_NOOP("喷头一次喷出 300 点的高度；画布上的虚线框是喷印条，从 0 到 300 点高，长度到设计的末端。"
                    "标尺以点和毫米标出位置，毫米按“打印机分辨率”换算。对象不能移出喷印条。")},
        {QT_TR_NOOP("快捷键"),
         QT_TR_NOOP("Ctrl+N 新建，Ctrl+O 打开，Ctrl+S 保存，Ctrl+Z 撤销，Ctrl+Y 重做，Ctrl+X/C/V 剪切、复制、"
                    "粘贴，Ctrl+Shift+D 复制一份，Ctrl+A 全选，Delete 删除，方向键移动 1 点（Shift 加方向键 "
                    "10 点），"
                    "Ctrl+加号/减号 缩放，Ctrl+0 原始比例。")},
        {QT_TR_NOOP("键盘操作"),
         QT_TR_NOOP(
             "画布有焦点时，Tab 和 Shift+Tab 沿喷印条逐个选择对象，并显示它的设置；最后一个对象之后，Tab "
             "移到下一个控件。每个控件都有提示，鼠标停在上面即可看到。")},
        {QT_TR_NOOP("排列"),
         QT_TR_NOOP("“排列”对齐、居中、等距分布所选对象，并可置于顶层或底层；保存时顶层的对象排在最前。"
                    "网格默认关闭，打开后拖动的对象落在网格上。每一步都可以撤销。")},
        {QT_TR_NOOP("打印预览"), QT_TR_NOOP("“打印预览”按所选的时刻和计数器值显示喷印的样子，不改变设计；“导"
                                            "出…”把设计存为 PNG、PDF 或 SVG。")},
        {QT_TR_NOOP("数据文件与恢复"),
         QT_TR_NOOP("设计保存为 .spr 文件；“文件”菜单列出最近的文件。设计有未保存的修改时，程序每 30 "
                    "秒内保存一份恢复副本；"
                    "程序意外结束后，下次启动时可以打开它。")},
    };
    QString page;
    for (const auto &section : sections)
        page += QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(tr(section.title).toHtmlEscaped(), tr(section.body).toHtmlEscaped());
    return page;
}

void helpPage::show(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(tr("帮助"));
    dialog.resize(560, 480);
    auto *text = new QTextBrowser(&dialog);
    text->setObjectName(QStringLiteral("helpText"));
    text->setHtml(html());
    text->setAccessibleName(tr("帮助"));
    text->setToolTip(tr("程序的简短说明；Esc 关闭"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("关闭"));
    close->setToolTip(tr("关闭帮助"));
    close->setAccessibleName(tr("关闭"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    modalHooks::execDialog(dialog);
}
