#pragma once
// The toolkit's own French texts (standard buttons, file dialogs, column titles).

class QCoreApplication;

namespace galbix {

/// Installs the toolkit's French translations on `application`; false when they are not
/// installed on this machine (the standard dialogs then stay in English).
bool InstallerTraductionsQt(QCoreApplication& application);

} // namespace galbix
