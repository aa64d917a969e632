#include "PictureResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function where it is used, so it must be used
// outside any namespace, the anonymous one included.
static bool registerPictures() {
    Q_INIT_RESOURCE(pictures);
    return true;
}

void initPictureResources() {
    static const bool registered = registerPictures();
    Q_UNUSED(registered);
}
