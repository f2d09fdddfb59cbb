// The PostgreSQL client library, loaded the first time a server is named rather than at
// every start: a desk that works on a database file never loads it, nor the thirty
// libraries it brings with it (a third of the start of a one-aidé unattended run).
#pragma once

#include <libpq-fe.h>

namespace dba::pg {

// libpq's functions, under their own names.
struct LibPq {
    decltype(&::PQclear) PQclear;
    decltype(&::PQcmdStatus) PQcmdStatus;
    decltype(&::PQconnectdbParams) PQconnectdbParams;
    decltype(&::PQconninfoFree) PQconninfoFree;
    decltype(&::PQconninfoParse) PQconninfoParse;
    decltype(&::PQdb) PQdb;
    decltype(&::PQenterPipelineMode) PQenterPipelineMode;
    decltype(&::PQerrorMessage) PQerrorMessage;
    decltype(&::PQescapeIdentifier) PQescapeIdentifier;
    decltype(&::PQexec) PQexec;
    decltype(&::PQexecParams) PQexecParams;
    decltype(&::PQexecPrepared) PQexecPrepared;
    decltype(&::PQexitPipelineMode) PQexitPipelineMode;
    decltype(&::PQfinish) PQfinish;
    decltype(&::PQflush) PQflush;
    decltype(&::PQfreemem) PQfreemem;
    decltype(&::PQgetResult) PQgetResult;
    decltype(&::PQgetisnull) PQgetisnull;
    decltype(&::PQgetlength) PQgetlength;
    decltype(&::PQgetvalue) PQgetvalue;
    decltype(&::PQhost) PQhost;
    decltype(&::PQntuples) PQntuples;
    decltype(&::PQpipelineSync) PQpipelineSync;
    decltype(&::PQport) PQport;
    decltype(&::PQprepare) PQprepare;
    decltype(&::PQresultErrorField) PQresultErrorField;
    decltype(&::PQresultStatus) PQresultStatus;
    decltype(&::PQsendQueryParams) PQsendQueryParams;
    decltype(&::PQsendFlushRequest) PQsendFlushRequest;
    decltype(&::PQsendQueryPrepared) PQsendQueryPrepared;
    decltype(&::PQserverVersion) PQserverVersion;
    decltype(&::PQsetNoticeProcessor) PQsetNoticeProcessor;
    decltype(&::PQstatus) PQstatus;
    decltype(&::PQtransactionStatus) PQtransactionStatus;
    decltype(&::PQuser) PQuser;
};

// Loads the library on first use; throws DbError(kErrStorage) saying how to install it when
// it cannot be loaded.
const LibPq& libpq();

}  // namespace dba::pg
