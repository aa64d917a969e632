#include "ShellGroups.h"

namespace groups {

const QStringList& formulaLabels() {
    static const QStringList list = [] {
        QStringList out;
        for (int k = 44; k <= 61; ++k) out << QString("Label%1").arg(k);
        return out;
    }();
    return list;
}

}  // namespace groups
