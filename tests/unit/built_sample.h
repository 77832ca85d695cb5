#pragma once
// The sample catalogue as the build wrote it, read once for the whole test
// program: the tests that run designs on the sample start from it.

#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

namespace pc::test {

inline const Catalogue &builtSample()
{
    static const Catalogue sample = [] {
        QString why;
        const std::optional<Catalogue> c =
            readCatalogueFile(QStringLiteral(PILECORR_BINARY_DIR "/sample/SSP Pilecorr.pkd"), &why);
        if (!c)
            ADD_FAILURE() << "the built sample does not read: " << why.toStdString();
        return c ? *c : Catalogue{};
    }();
    return sample;
}

} // namespace pc::test
