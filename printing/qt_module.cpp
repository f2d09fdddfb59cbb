// Loading the Qt printers' module on demand.
#include "printing/qt_module.h"

#include <dlfcn.h>

#include <mutex>
#include <system_error>

#include "printing/printer_error.h"

namespace printing {

namespace {

std::filesystem::path programFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

const QtModule* load() {
    const std::filesystem::path folder = programFolder();
    std::string tried;
    for (const std::filesystem::path& candidate : {folder / kQtModuleFile, folder / ".." / "lib" / "dnt" / kQtModuleFile}) {
        // Never unloaded: the printers it makes live until the program ends.
        void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            if (!tried.empty()) tried += "; ";
            tried += why ? why : candidate.string();
            continue;
        }
        using Entry = const QtModule* (*)();
        auto entry = reinterpret_cast<Entry>(dlsym(handle, kQtModuleEntry));
        if (!entry) throw PrinterError(candidate.string() + " is not the module of the Qt printers");
        return entry();
    }
    throw PrinterError("the PDF and system printers need " + std::string(kQtModuleFile) + ", which cannot be loaded: " +
                       tried);
}

}  // namespace

const QtModule& qtModule() {
    static std::once_flag once;
    static const QtModule* module = nullptr;
    std::call_once(once, [] { module = load(); });
    return *module;
}

}  // namespace printing
