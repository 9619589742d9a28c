#pragma once
// LinuxCNC's G-code interpreter as the tests reach it: the Python module "gcode" of the Debian
// package linuxcnc-uspace, which its foam-cutter preview uses. It is never a dependency of
// the build; the tests that need it are skipped when it is missing.

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace galbix::tests {

/// A Python script that runs LinuxCNC's interpreter (module gcode) on the program named by its
/// first argument, with the parameter file named by the second, and prints every move it sees as
/// "G0|G1 x y z a b c u v w" (canonical units: inches and degrees); exit 3 on an error.
inline const char* ScriptLinuxCnc = R"(import sys, gcode
class Canon:
    parameter_file = sys.argv[2]
    def __init__(self): self.lignes = []
    def __getattr__(self, nom):
        if nom.startswith('__'): raise AttributeError(nom)
        return lambda *a, **k: None
    def get_external_angular_units(self): return 1.0
    def get_external_length_units(self): return 1.0
    def get_axis_mask(self): return 0x1ff
    def get_block_delete(self): return 0
    def check_abort(self): return False
    def get_tool(self, n): return (n,) + (0.0,) * 12 + (0,)
    def straight_traverse(self, *p): self.lignes.append('G0 ' + ' '.join(repr(v) for v in p))
    def straight_feed(self, *p): self.lignes.append('G1 ' + ' '.join(repr(v) for v in p))
c = Canon()
r = gcode.parse(sys.argv[1], c, 'G21', '')
if r[0] > gcode.MIN_ERROR:
    print('ERREUR', gcode.strerror(r[0]), r[1])
    sys.exit(3)
print('\n'.join(c.lignes))
)";

/// A Python interpreter that can import LinuxCNC's module gcode, or empty when none.
inline QString PythonLinuxCnc()
{
    for (const QString& candidat : {QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable(QStringLiteral("python3"))}) {
        if (candidat.isEmpty()) continue;
        QProcess p;
        p.start(candidat, {QStringLiteral("-c"), QStringLiteral("import gcode")});
        if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return candidat;
    }
    return {};
}

} // namespace galbix::tests
