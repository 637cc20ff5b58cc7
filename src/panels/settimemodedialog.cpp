#include "settimemodedialog.h"
#include "ui_settimemodedialog.h"

#include <QDateTime>
#include <array>
#include <utility>

namespace
{

// The moment every preview shows.
QDateTime sampleMoment()
{
    return QDateTime(QDate(2016, 7, 1), QTime(8, 30, 0));
}

// What a suffix list item adds after its field, one code per list index:
// 'T' the item's own text, 'B' one blank, 'D' two blanks, 'N' nothing.
struct fieldRow {
    QComboBox *format;
    QComboBox *suffix;
    QSpinBox *order;
    const char *suffixRule;
};

QString suffixOf(const fieldRow &row)
{
    const int index = row.suffix->currentIndex();
    const QByteArray rule(row.suffixRule);
    if (index < 0 || index >= rule.size())
        return QString();
    switch (rule.at(index)) {
    case 'T':
        return row.suffix->currentText();
    case 'B':
        return QStringLiteral(" ");
    case 'D':
        return QStringLiteral("  ");
    default:
        return QString();
    }
}

// The field followed by its suffix; a cancelled field (its list's last item) drops the whole piece.
QString pieceOf(const fieldRow &row)
{
    if (row.format->currentIndex() == row.format->count() - 1)
        return QString();
    return row.format->currentText() + suffixOf(row);
}

} // namespace

setTimeModeDialog::setTimeModeDialog(QWidget *parent) : QDialog(parent), ui(new Ui::setTimeModeDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    timeMode = QStringLiteral("yyyy/MM/dd  hh:mm:ss");
    refreshPreview();
}

setTimeModeDialog::~setTimeModeDialog()
{
    delete ui;
}

void setTimeModeDialog::refreshPreview()
{
    previewText = sampleMoment().toString(timeMode);
    ui->preViewLineEdit->setText(previewText);
}

QString setTimeModeDialog::composeFromRows() const
{
    const std::array<fieldRow, 6> rows = {{
        {ui->yearFormatCombox, ui->yearSuffixCombox, ui->yearSpin, "TTTTBN"},
        {ui->monthFormatCombox, ui->monthSuffixCombox, ui->monthSpin, "TTTTBN"},
        {ui->dayFormatCombox, ui->daySuffixCombox, ui->daySpin, "TTTTBDN"},
        {ui->hourFormatCombox, ui->hourSuffixCombox, ui->hourSpin, "TTB"},
        {ui->minuteFormatCombox, ui->minuteSuffixCombox, ui->minuteSpin, "TTB"},
        {ui->secondFormatCombox, ui->secondSuffixCombox, ui->secondSpin, "NTBD"},
    }};
    std::array<std::pair<int, QString>, 6> pieces;
    for (size_t i = 0; i < rows.size(); ++i)
        pieces[i] = {rows[i].order->value(), pieceOf(rows[i])};
    // Bubble sort, swapping only on a strictly greater left value, so equal orders keep the row order.
    for (size_t pass = 0; pass + 1 < pieces.size(); ++pass)
        for (size_t i = 0; i + 1 < pieces.size() - pass; ++i)
            if (pieces[i].first > pieces[i + 1].first)
                std::swap(pieces[i], pieces[i + 1]);
    QString format;
    for (const auto &piece : pieces)
        format += piece.second;
    return format;
}

void setTimeModeDialog::on_preViewPushButton_clicked()
{
    timeMode = composeFromRows();
    refreshPreview();
}

void setTimeModeDialog::on_timeModeCombo_currentIndexChanged(int index)
{
    timeMode = ui->timeModeCombo->itemText(index);
    refreshPreview();
}

void setTimeModeDialog::on_OKButton_clicked()
{
    accept();
}

void setTimeModeDialog::on_cancelButton_clicked()
{
    reject();
}
