// Placeholder until the document commands land: the actions beep and do nothing else.
#include "widget.h"

void Widget::newActionSlot() { emit requireBeep(); }
void Widget::openActionSlot() { emit requireBeep(); }
void Widget::saveActionSlot() { emit requireBeep(); }
void Widget::saveAsActionSlot() { emit requireBeep(); }
void Widget::deleteActionSlot() { emit requireBeep(); }
bool Widget::saveDocumentTo(const QString &) { return false; }
bool Widget::openDocument(const QString &) { return false; }
