#include "pixels/work_files.h"

#include "pixels/temp_names.h"

namespace mipro {

namespace {

const char* const kPrefix = "MPR";

void ForgetWorkFiles(Wizard& w) {
    State& st = w.st;
    for (std::string* file : {&st.PixFile, &st.SortFile}) {
        if (!file->empty()) w.pf.files.deleteFile(*file);
        file->clear();
    }
}

}  // namespace

bool MakeWorkFileNames(Wizard& w) {
    State& st = w.st;
    if (!st.SortFile.empty()) return true;

    st.PixFile = GetTempName(w, kPrefix);
    if (!st.PixFile.empty()) st.SortFile = GetTempName(w, kPrefix);
    if (st.SortFile.empty()) {
        ForgetWorkFiles(w);
        return false;
    }
    return true;
}

}  // namespace mipro
