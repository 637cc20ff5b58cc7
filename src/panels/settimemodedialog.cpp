#include "settimemodedialog.h"
#include "ui_settimemodedialog.h"

#include <QDateTime>
#include <QVector>
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

// The six rows with the rules of their suffix lists.
std::array<fieldRow, 6> fieldRows(const Ui::setTimeModeDialog *ui)
{
    return {{
        {ui->yearFormatCombox, ui->yearSuffixCombox, ui->yearSpin, "TTTTBN"},
        {ui->monthFormatCombox, ui->monthSuffixCombox, ui->monthSpin, "TTTTBN"},
        {ui->dayFormatCombox, ui->daySuffixCombox, ui->daySpin, "TTTTBDN"},
        {ui->hourFormatCombox, ui->hourSuffixCombox, ui->hourSpin, "TTB"},
        {ui->minuteFormatCombox, ui->minuteSuffixCombox, ui->minuteSpin, "TTB"},
        {ui->secondFormatCombox, ui->secondSuffixCombox, ui->secondSpin, "NTBD"},
    }};
}

// The suffix list index that adds text after a field, or -1 when the list has none.
int suffixIndexFor(const fieldRow &row, const QString &text)
{
    const QByteArray rule(row.suffixRule);
    for (int i = 0; i < rule.size() && i < row.suffix->count(); ++i) {
        const char code = rule.at(i);
        if ((code == 'T' && row.suffix->itemText(i) == text) || (code == 'B' && text == QLatin1String(" ")) ||
            (code == 'D' && text == QLatin1String("  ")) || (code == 'N' && text.isEmpty()))
            return i;
    }
    return -1;
}

// A format as fields in their order, each with its row and the literal text after it. Empty when a
// field repeats, text comes first or a quote is used, which the rows cannot express.
struct formatPiece {
    int row;
    QString field;
    QString suffix;
};

QVector<formatPiece> splitFormat(const QString &format)
{
    static const char *const tokens[] = {"yyyy", "yy", "MM", "dd", "hh", "mm", "ss"};
    QVector<formatPiece> pieces;
    int used = 0;
    for (int i = 0; i < format.size();) {
        const char *token = nullptr;
        for (const char *candidate : tokens)
            if (!token && QStringView(format).mid(i).startsWith(QLatin1String(candidate)))
                token = candidate;
        if (!token) {
            if (pieces.isEmpty() || format.at(i) == QLatin1Char('\''))
                return {};
            pieces.last().suffix += format.at(i++);
            continue;
        }
        const int row = QByteArrayLiteral("yMdhms").indexOf(*token);
        if (used & (1 << row))
            return {};
        used |= 1 << row;
        pieces.append({row, QString::fromLatin1(token), QString()});
        i += int(qstrlen(token));
    }
    return pieces;
}

} // namespace

setTimeModeDialog::setTimeModeDialog(QWidget *parent) : QDialog(parent), ui(new Ui::setTimeModeDialog)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    timeMode = QStringLiteral("yyyy/MM/dd  hh:mm:ss");
    refreshPreview();
    // Whatever the rows show is the result at once, without 预览.
    const auto follow = [this] {
        if (settingRows)
            return;
        timeMode = composeFromRows();
        refreshPreview();
    };
    for (const fieldRow &row : fieldRows(ui)) {
        connect(row.format, QOverload<int>::of(&QComboBox::currentIndexChanged), this, follow);
        connect(row.suffix, QOverload<int>::of(&QComboBox::currentIndexChanged), this, follow);
        connect(row.order, QOverload<int>::of(&QSpinBox::valueChanged), this, follow);
    }
}

void setTimeModeDialog::showFormat(const QString &format)
{
    settingRows = true;
    const int quick = ui->timeModeCombo->findText(format);
    // No quick format chosen unless it is this one, so that choosing any of them is a change.
    ui->timeModeCombo->setCurrentIndex(quick);
    setRows(format);
    settingRows = false;
    timeMode = format;
    refreshPreview();
}

// Sets the six rows to compose format; false, leaving them as they are, when they cannot.
bool setTimeModeDialog::setRows(const QString &format)
{
    const QVector<formatPiece> pieces = splitFormat(format);
    const std::array<fieldRow, 6> rows = fieldRows(ui);
    QVector<int> suffixes;
    for (const formatPiece &piece : pieces) {
        suffixes.append(suffixIndexFor(rows[size_t(piece.row)], piece.suffix));
        if (suffixes.last() < 0)
            return false;
    }
    if (pieces.isEmpty())
        return false;
    int nextOrder = pieces.size() + 1;
    for (size_t r = 0; r < rows.size(); ++r) {
        rows[r].format->setCurrentIndex(rows[r].format->count() - 1);
        rows[r].order->setValue(qMin(nextOrder++, rows[r].order->maximum()));
    }
    for (int i = 0; i < pieces.size(); ++i) {
        const fieldRow &row = rows[size_t(pieces[i].row)];
        row.format->setCurrentIndex(row.format->findText(pieces[i].field));
        row.suffix->setCurrentIndex(suffixes[i]);
        row.order->setValue(i + 1);
    }
    return true;
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
    const std::array<fieldRow, 6> rows = fieldRows(ui);
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

// Every text of the form follows a change of language at once.
void setTimeModeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
