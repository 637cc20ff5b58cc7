#pragma once
// One line on the barcode and QR panels saying whether a scanner reads the symbol, and what it reads;
// the differences between content and symbol follow on the lines below.
#include <QLabel>

struct symbolVerdict;

class scanVerdictLabel : public QLabel
{
    Q_OBJECT
public:
    explicit scanVerdictLabel(QWidget *parent = nullptr);

    void showVerdict(const symbolVerdict &verdict);
    bool isReadable() const { return readable; }
    // The symbol's printed size, on a line of its own inside the label's area: at its bottom or, with
    // Qt::AlignTop, right-aligned on its first line.
    void showPrintedSize(const QStringList &lines);
    void placePrintedSize(Qt::Alignment where);
    QLabel *printedSizeLine() const { return sizeLine; }

private:
    bool readable = false;
    QLabel *sizeLine = nullptr;
};
