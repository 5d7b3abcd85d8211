// The layer's own texts (message boxes, the help viewer, the save dialog)
// are written in English and shown as the application's translator gives
// them: Estonian from the table in estonian_texts.cpp. The layer itself
// speaks no language.
#ifndef OMBRIX_PLATFORM_QT_LAYER_TEXT_H
#define OMBRIX_PLATFORM_QT_LAYER_TEXT_H

#include <QCoreApplication>
#include <QString>

// The translation context of the layer's texts.
inline constexpr char kLayerContext[] = "Ombrix";

inline QString LayerText(const char* english) {
  return QCoreApplication::translate(kLayerContext, english);
}

#endif
