#pragma once

// The JPEG pictures are compiled into this static library as Qt resources, which the linker
// would drop unless something registers them. The program calls this once at start-up,
// before it loads any picture; calling it again does nothing. loadJpegResource() calls it too.
void initPictureResources();
