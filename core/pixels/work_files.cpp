#include "pixels/work_files.h"

#include "pixels/temp_names.h"

namespace mipro {

namespace {

const char* const kPrefix = "MPR";
constexpr std::size_t kExtensionLetters = 3;

std::string WithExtension(const std::string& name, const std::string& extension) {
    return name.substr(0, name.size() - kExtensionLetters) + extension;
}

// A new temporary file moved to the batch name. A file left under that name (by an earlier run
// that was killed, say) is removed first, as the move would fail on it.
std::string MakeBatchFile(Wizard& w) {
    Files& files = w.pf.files;
    const std::string made = GetTempName(w, kPrefix);
    if (made.empty()) return {};
    const std::string batch = WithExtension(made, "BAT");
    if (FileExists(w, batch) != False) files.deleteFile(batch);
    if (!files.renameFile(made, batch)) {
        files.deleteFile(made);
        return {};
    }
    return batch;
}

void ForgetWorkFiles(Wizard& w) {
    State& st = w.st;
    for (std::string* file : {&st.BatFile, &st.PixFile, &st.SortFile, &st.DoneFile}) {
        if (!file->empty()) w.pf.files.deleteFile(*file);
        file->clear();
    }
    st.PifFile.clear();
}

}  // namespace

bool MakeWorkFileNames(Wizard& w) {
    State& st = w.st;
    if (!st.DoneFile.empty()) return true;

    st.BatFile = MakeBatchFile(w);
    if (!st.BatFile.empty()) {
        st.PifFile = WithExtension(st.BatFile, "PIF");
        st.PixFile = GetTempName(w, kPrefix);
    }
    if (!st.PixFile.empty()) st.SortFile = GetTempName(w, kPrefix);
    if (!st.SortFile.empty()) st.DoneFile = GetTempName(w, kPrefix);
    if (st.DoneFile.empty()) {
        ForgetWorkFiles(w);
        return false;
    }
    return true;
}

}  // namespace mipro
