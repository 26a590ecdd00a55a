// A file of income certificates (2-NDFL XML) as the import reads it: parsed, people found, every
// person's certificates planned and applied to a new declaration.
#include "certificates/CertificateFile.h"
#include "certificates/CertificateHolders.h"
#include "certificates/CertificateImport.h"
#include "records/Declaration.h"
#include "records/NewDeclaration.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TIncomeCertificateFile file;
    if (!file.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) return 0;
    auto declaration = CreateNewDeclaration();
    const CertificateHolders holders = FindHolders(file, declaration->Person);
    for (const CertificateHolder& holder : holders.People) {
        (void)holder.Person.Description();
        TCertificateImport import;
        if (!import.Plan(file, holder.Certificates, *declaration)) continue;
        for (const PlannedSource& source : import.Sources())
            (void)source.Summary();
        (void)import.Standard().Texts();
        import.Apply(*declaration, true);
    }
    return 0;
}
