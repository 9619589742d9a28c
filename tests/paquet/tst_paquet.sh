#!/bin/sh
# The installed program as a desktop user gets it: `cmake --install` into a temporary prefix,
# then the Debian package built by cpack and unpacked with dpkg -x. Both trees must hold every
# file of the desktop integration, the validators of the desktop and metainfo files must pass,
# the MIME database must map *.gbx to the project type and the installed programs must run.
# usage: tst_paquet.sh BUILD_DIR      (exit 77: a tool is missing, the test is skipped)
set -eu
construction=$1
id=org.galbix.Galbix

for outil in cpack dpkg dpkg-deb desktop-file-validate appstreamcli update-mime-database; do
    command -v "$outil" >/dev/null 2>&1 || { echo "SKIP: $outil missing (scripts/install-deps installs it)"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echecs=0
echec() { echo "ECHEC: $*"; echecs=$((echecs + 1)); }

# The files every installation must hold, relative to its prefix.
verifier_arbre() {
    racine=$1
    for f in bin/galbix bin/galbix-cli share/applications/$id.desktop share/mime/packages/$id.xml \
             share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
             share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
             share/man/man1/galbix.1 share/man/man1/galbix-cli.1 share/doc/galbix/manuel/index.html \
             share/doc/galbix/manuel/images/fenetre_profils.png share/galbix/demo.gbx; do
        [ -s "$racine/$f" ] || echec "$racine/$f missing or empty"
    done
    [ -x "$racine/bin/galbix" ] && [ -x "$racine/bin/galbix-cli" ] || echec "programs not executable in $racine"
    for ligne in 'Exec=galbix %f' 'MimeType=application/x-galbix-projet;' 'Categories=Graphics;Engineering;'; do
        grep -qxF "$ligne" "$racine/share/applications/$id.desktop" || echec "desktop line $ligne"
    done
    desktop-file-validate "$racine/share/applications/$id.desktop" || echec "desktop-file-validate"
    appstreamcli validate --no-net --explain "$racine/share/metainfo/$id.metainfo.xml" || echec "appstreamcli validate"
    grep -q '@PROJECT_VERSION@' "$racine/share/metainfo/$id.metainfo.xml" "$racine/share/man/man1/galbix.1" \
        && echec "version left unexpanded"
    # The MIME database built from the installed type maps the extension and the content.
    mkdir -p "$tmp/mime/packages"
    cp "$racine/share/mime/packages/$id.xml" "$tmp/mime/packages/"
    update-mime-database "$tmp/mime" >/dev/null 2>&1 || echec "update-mime-database"
    grep -q 'application/x-galbix-projet:\*\.gbx' "$tmp/mime/globs2" || echec "*.gbx glob"
    grep -q 'Emplanture' "$tmp/mime/magic" || echec "[Emplanture] magic"
    rm -rf "$tmp/mime"
    # The installed programs run and give the build's version.
    for programme in galbix galbix-cli; do
        version=$("$racine/bin/$programme" --version) || echec "$programme --version status"
        echo "$version" | grep -Eq "^$programme [0-9]+\.[0-9]+\.[0-9]+\$" || echec "$programme --version: $version"
    done
    "$racine/bin/galbix-cli" --help | grep -q '^Sous-commandes :' || echec "galbix-cli --help"
    # The manual page lists every subcommand that --help lists.
    for nom in $("$racine/bin/galbix-cli" --help | sed -n '/^Sous-commandes :/,/^$/p' | grep '^  [^ ]' | awk '{print $1}'); do
        grep -qF ".B $(echo "$nom" | sed 's/-/\\-/g')" "$racine/share/man/man1/galbix-cli.1" \
            || echec "galbix-cli.1 lacks the subcommand $nom"
    done
    grep -qF 'share/galbix/demo.gbx' "$racine/share/man/man1/galbix.1" || echec "galbix.1 does not name the demo"
}

echo "== cmake --install"
cmake --install "$construction" --prefix "$tmp/arbre" >/dev/null || echec "cmake --install"
verifier_arbre "$tmp/arbre"

echo "== cpack"
cpack --config "$construction/CPackConfig.cmake" -B "$tmp/paquet" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; echec "cpack"; }
paquet=$(ls "$tmp"/paquet/galbix_*.deb 2>/dev/null | head -n 1)
if [ -z "$paquet" ]; then
    echec "no galbix_*.deb built"
else
    dpkg-deb --field "$paquet" Package Version Architecture Depends Section
    for dependance in libqt6widgets6 libqt6gui6 qt6-translations-l10n; do
        dpkg-deb --field "$paquet" Depends | grep -q "$dependance" || echec "Depends lacks $dependance"
    done
    dpkg -x "$paquet" "$tmp/racine" || echec "dpkg -x"
    verifier_arbre "$tmp/racine/usr"
fi

[ "$echecs" -eq 0 ] || { echo "$echecs failure(s)"; exit 1; }
echo "install tree and package complete"
