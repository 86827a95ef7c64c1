#include "pixels/temp_names.h"

namespace mipro {

std::string GetTempDir(Wizard& w) { return w.pf.files.tempPath(); }

std::string GetTempName(Wizard& w, const std::string& prefix) {
    return w.pf.files.tempFileName(GetTempDir(w), prefix);
}

}  // namespace mipro
