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

private:
    bool readable = false;
};
