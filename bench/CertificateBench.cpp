// durovid-bench import2ndfl: a large employer's file of income certificates (10 000 people, twelve
// months each); finding one person's certificates in it and importing them into a declaration, against
// parsing the same file with pugixml alone. The import may cost at most twice the parse.
#include "bench/Bench.h"

#include "certificates/CertificateFile.h"
#include "certificates/CertificateHolders.h"
#include "certificates/CertificateImport.h"
#include "records/Declaration.h"
#include "records/NewDeclaration.h"
#include "storage/CodePage.h"

#include <cstdio>
#include <pugixml.hpp>

namespace {

constexpr int People = 10000;
constexpr int Wanted = 7321; // the taxpayer's certificate

QString Inn(int person) {
    return QStringLiteral("77%1").arg(person, 10, 10, QLatin1Char('0'));
}

// The file as an employer's accounting program writes it, in windows-1251.
QByteArray EmployerFile() {
    QString text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Файл ИдФайл=\"NO_NDFL2\" "
                       "ВерсПрог=\"1.0\" ВерсФорм=\"1.02\">\n");
    text.reserve(People * 2600);
    for (int p = 0; p < People; ++p) {
        text += QStringLiteral(
                    "<Документ КНД=\"1151078\" ДатаДок=\"20.01.2011\" НомСпр=\"%1\" ОтчетГод=\"2010\" "
                    "Признак=\"1\"><СвНА ОКАТО=\"45286555000\"><СвНАЮЛ НаимОрг=\"ОАО «Большой завод»\" "
                    "ИННЮЛ=\"7701234567\" КПП=\"770101001\"/></СвНА><ПолучДох ИННФЛ=\"%2\" Статус=\"1\" "
                    "ДатаРожд=\"%3.01.1975\" Гражд=\"643\"><ФИО Фамилия=\"Работников%4\" Имя=\"Иван\" "
                    "Отчество=\"Петрович\"/><УдЛичнФЛ КодУдЛичн=\"21\" СерНомДок=\"45 03 %5\"/></ПолучДох>"
                    "<СведДох Ставка=\"13\"><ДохВыч>")
                    .arg(p + 1)
                    .arg(Inn(p))
                    .arg(p % 28 + 1, 2, 10, QLatin1Char('0'))
                    .arg(p)
                    .arg(100000 + p);
        for (int m = 1; m <= 12; ++m)
            text += QStringLiteral("<СвСумДох Месяц=\"%1\" КодДоход=\"2000\" СумДоход=\"%2.00\"/>")
                        .arg(m, 2, 10, QLatin1Char('0'))
                        .arg(30000 + p % 1000);
        text += QStringLiteral("</ДохВыч><НалВычССИ><ПредВычССИ КодВычет=\"103\" СумВычет=\"400.00\"/>"
                               "<ПредВычССИ КодВычет=\"108\" СумВычет=\"9000.00\"/></НалВычССИ><СумИтНалПер "
                               "СумДохОбщ=\"%1.00\" НалБаза=\"%1.00\" НалИсчисл=\"0\" НалУдерж=\"0\" "
                               "НалПеречисл=\"0\"/></СведДох></Документ>\n")
                    .arg(12 * (30000 + p % 1000));
    }
    text += QStringLiteral("</Файл>\n");
    return CodePage::ToCp1251(text);
}

int Run(const QStringList&) {
    const QByteArray bytes = EmployerFile();
    std::printf("a file of %d certificates, %.1f MB\n", People, bytes.size() / 1048576.0);

    std::size_t nodes = 0;
    const double parse = BestCpuMs(5, [&] {
        pugi::xml_document document;
        if (!document.load_buffer(bytes.constData(), size_t(bytes.size()))) qFatal("pugixml: not parsed");
        nodes += document.document_element().first_child() ? 1 : 0;
    });

    int imported = 0;
    const double import = BestCpuMs(5, [&] {
        auto declaration = CreateNewDeclaration();
        declaration->Person.INN = Inn(Wanted);
        TIncomeCertificateFile file;
        if (!file.LoadFromBytes(bytes)) qFatal("%s", qPrintable(file.ErrorString()));
        const CertificateHolders holders = FindHolders(file, declaration->Person);
        if (holders.Chosen < 0) qFatal("the taxpayer's certificate not found");
        TCertificateImport plan;
        if (!plan.Plan(file, holders.People[holders.Chosen].Certificates, *declaration))
            qFatal("%s", qPrintable(plan.ErrorString()));
        plan.Apply(*declaration, true);
        imported = declaration->IncomeSources13.At(0)->LineCount();
    });

    const double ratio = import / parse;
    std::printf("%-52s %10s\n", "processor ms, best of 5", "");
    std::printf("%-52s %10.1f\n", "parsing the file with pugixml alone", parse);
    std::printf("%-52s %10.1f\n", "finding and importing one person's certificate", import);
    std::printf("the import costs %.2f times the parse (at most 2); %d lines imported\n", ratio, imported);
    return ratio <= 2.0 && imported == 12 && nodes > 0 ? 0 : 1;
}

const BenchmarkRegistrar registrar({QStringLiteral("import2ndfl"), Run});

} // namespace
