#pragma once
// What a test file of a non-window folder starts from: its class's registration, the columns of
// its tables, whole-file reads and writes, and scratch folders.
#include "common/Colonnes.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include <QTemporaryDir>
