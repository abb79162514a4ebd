#include "shell/help_texts.h"

#include "framework/folder_item.h"
#include "framework/runtime.h"
#include "shell/app.h"

namespace shell {

using namespace framework;

namespace {

String Read(HelpText& help) {
    if (help.loaded) return help.permaText;
    help.loaded = true;  // before touching any file: one attempt per run, whatever it meets
    // A missing executable or parent folder raises NilObjectException through the nil Ref; a
    // missing "Resources" folder or file only gives no stream.
    const Ref<FolderItem> resources =
        Runtime::Current().ExecutableFile()->Parent()->Parent()->Child("Resources");
    const Ref<TextInputStream> stream = resources->Child(help.fileName)->OpenAsTextFile();
    if (!stream) return help.permaText;
    help.permaText = stream->ReadAll();
    stream->Close();
    return help.permaText;
}

}  // namespace

String longdivisionHelp() { return Read(App().programHelp); }
String LongDivisionTextUse() { return Read(App().divisionHelp); }

}  // namespace shell
