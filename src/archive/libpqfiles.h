#pragma once

#include <QString>

// The files libpq reads for the archive when the environment does not name others: the
// password file and the CA certificate that verify-full checks the server against. On
// Windows they live in %APPDATA%\postgresql (pgpass.conf, root.crt), elsewhere in the home
// folder (~/.pgpass, ~/.postgresql/root.crt). PGPASSFILE and PGSSLROOTCERT win, as in libpq.
namespace LibpqFiles {
QString passwordFile();
QString rootCertificate();
} // namespace LibpqFiles
