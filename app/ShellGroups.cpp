#include "ShellGroups.h"

#include "Window.h"

namespace groups {

const QStringList& formulaLabels() {
    static const QStringList list = window::numbered("Label", 44, 61);
    return list;
}

}  // namespace groups
