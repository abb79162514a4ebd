#pragma once

#include "framework/nil_object.h"
#include "framework/picture.h"

namespace framework {

// Set what to publish, then Close hands it to the system clipboard.
class Clipboard {
public:
    Ref<framework::Picture> Picture;
    void Close();

    // What the system clipboard holds now as a picture, nil when it holds none.
    static Ref<framework::Picture> CurrentPicture();
};

}  // namespace framework
