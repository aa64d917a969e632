#include "TextGroups.h"

namespace groups {
namespace {
QStringList images(int from, int to) {
    QStringList out;
    for (int k = from; k <= to; ++k) out << QString("Image%1").arg(k);
    return out;
}
}  // namespace

const QStringList& wordSlots() {
    static const QStringList list = images(1, 7) + images(11, 17) +
                                    QStringList{"Image18", "Image19", "Image8"} + images(20, 30) +
                                    images(32, 36);
    return list;
}

const QStringList& slotsEnabledByMode() {
    static const QStringList list = images(1, 7) + images(11, 30) + images(32, 36);
    return list;
}

}  // namespace groups
