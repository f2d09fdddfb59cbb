// Loading libpq by its stable name (libpq.so.5) and finding its functions.
#include "dba/pg_library.h"

#include <dlfcn.h>

#include <mutex>
#include <string>

#include "dba/errors.h"

namespace dba::pg {

namespace {

const char* const kSoname = "libpq.so.5";

template <typename F>
void bind(void* handle, F& slot, const char* name) {
    void* symbol = dlsym(handle, name);
    if (!symbol)
        throw DbError(kErrStorage, std::string("the PostgreSQL client library ") + kSoname + " has no function " +
                                       name + ": a version 14 or later is needed");
    slot = reinterpret_cast<F>(symbol);
}

LibPq load() {
    void* handle = dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        throw DbError(kErrStorage, std::string("a PostgreSQL server needs the client library ") + kSoname +
                                       ", which cannot be loaded (" + (why ? why : "unknown reason") +
                                       "): install the package libpq5");
    }
    LibPq lib{};
    bind(handle, lib.PQclear, "PQclear");
    bind(handle, lib.PQcmdStatus, "PQcmdStatus");
    bind(handle, lib.PQconnectdbParams, "PQconnectdbParams");
    bind(handle, lib.PQconninfoFree, "PQconninfoFree");
    bind(handle, lib.PQconninfoParse, "PQconninfoParse");
    bind(handle, lib.PQdb, "PQdb");
    bind(handle, lib.PQenterPipelineMode, "PQenterPipelineMode");
    bind(handle, lib.PQerrorMessage, "PQerrorMessage");
    bind(handle, lib.PQescapeIdentifier, "PQescapeIdentifier");
    bind(handle, lib.PQexec, "PQexec");
    bind(handle, lib.PQexecParams, "PQexecParams");
    bind(handle, lib.PQexecPrepared, "PQexecPrepared");
    bind(handle, lib.PQexitPipelineMode, "PQexitPipelineMode");
    bind(handle, lib.PQfinish, "PQfinish");
    bind(handle, lib.PQflush, "PQflush");
    bind(handle, lib.PQfreemem, "PQfreemem");
    bind(handle, lib.PQgetResult, "PQgetResult");
    bind(handle, lib.PQgetisnull, "PQgetisnull");
    bind(handle, lib.PQgetlength, "PQgetlength");
    bind(handle, lib.PQgetvalue, "PQgetvalue");
    bind(handle, lib.PQhost, "PQhost");
    bind(handle, lib.PQntuples, "PQntuples");
    bind(handle, lib.PQpipelineSync, "PQpipelineSync");
    bind(handle, lib.PQport, "PQport");
    bind(handle, lib.PQprepare, "PQprepare");
    bind(handle, lib.PQresultErrorField, "PQresultErrorField");
    bind(handle, lib.PQresultStatus, "PQresultStatus");
    bind(handle, lib.PQsendQueryParams, "PQsendQueryParams");
    bind(handle, lib.PQsendFlushRequest, "PQsendFlushRequest");
    bind(handle, lib.PQsendQueryPrepared, "PQsendQueryPrepared");
    bind(handle, lib.PQserverVersion, "PQserverVersion");
    bind(handle, lib.PQsetNoticeProcessor, "PQsetNoticeProcessor");
    bind(handle, lib.PQstatus, "PQstatus");
    bind(handle, lib.PQtransactionStatus, "PQtransactionStatus");
    bind(handle, lib.PQuser, "PQuser");
    return lib;  // the handle stays open for the life of the process
}

}  // namespace

const LibPq& libpq() {
    static std::once_flag once;
    static LibPq lib;
    std::call_once(once, [] { lib = load(); });
    return lib;
}

}  // namespace dba::pg
