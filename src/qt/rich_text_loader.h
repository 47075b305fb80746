#pragma once
// Fills a read-only text box: Rich Text is formatted, anything else shown as is.

#include <QString>

class QTextEdit;

void LoadRichText(QTextEdit* edit, const QString& text);
