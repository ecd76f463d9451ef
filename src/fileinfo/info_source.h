// The bridge from the add rule to the builders: a TInfoTextSource that sends each
// information kind to its builder with the current template settings.
#pragma once

#include <string>

#include "fileinfo/info_settings.h"
#include "rules/info_text_source.h"

namespace nalo {

// `settings` is read at every call, so template changes take effect at once; it
// must outlive the returned source. `settings_dir` holds codecs.dat and audio.dat.
TInfoTextSource MakeInfoTextSource(const TInfoSettings& settings, std::string settings_dir);

}  // namespace nalo
