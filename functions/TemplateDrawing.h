#pragma once

#include <QColor>

// The pale yellow of every template.
inline const QColor kTemplateColour(255, 251, 178);
