#include "TextGroups.h"

#include "Window.h"

namespace groups {
namespace {
QStringList images(int from, int to) {
    return window::numbered("Image", from, to);
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
