#include "qt/design_font.h"

#include <QApplication>
#include <QStringList>

QFont WithDesignFamily(QFont font) {
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void UseDesignFont() { QApplication::setFont(WithDesignFamily(QApplication::font())); }
