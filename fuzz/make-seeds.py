#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets under fuzz/seeds/<target>/.

Every seed is an input the loader reads to its end: the fuzzer starts from the loader's heart (the record
loop, the field decoding, the writing) instead of spending millions of runs on getting past a header.
The declaration seeds come from make-declaration-seeds, which the fuzz preset builds (its path may be given
as the argument). The output is deterministic, so the checked-in seeds are its result.
"""
import datetime
import os
import struct
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SEEDS = os.path.join(ROOT, "fuzz", "seeds")


def write(target, name, data):
    folder = os.path.join(SEEDS, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("cp1251")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# ---- the tax authority's directory table (dBASE III, code page 866) ---------------------------------
RECORD = 1194


def descriptor(name, kind, length):
    return name.encode("ascii").ljust(11, b"\0") + kind.encode("ascii") + b"\0" * 4 + bytes([length]) + b"\0" * 15


def dbf(records, count=None, backlink=False, fields=(("CODE", "C", 4), ("NAME", "C", 250))):
    descriptors = b"".join(descriptor(*f) for f in fields)
    header_length = 32 + len(descriptors) + 1 + (263 if backlink else 0)
    header = bytearray(32)
    header[0] = 0x30 if backlink else 0x03
    header[1:4] = bytes([111, 2, 1])  # last update: 2011-02-01
    struct.pack_into("<IHH", header, 4, len(records) if count is None else count, header_length, RECORD)
    table = bytes(header) + descriptors + b"\r" + (b"\0" * 263 if backlink else b"")
    return table + b"".join(records) + b"\x1a"


def record(code, name, flag=b"1", reserved=b"", closed=b"", deleted=False, pad=b" "):
    r = bytearray(pad * RECORD)
    r[0:1] = b"*" if deleted else b" "
    r[1:1 + len(code)] = code.encode("cp866")
    r[7:7 + len(reserved)] = reserved
    encoded = name.encode("cp866")
    r[161:161 + len(encoded)] = encoded
    r[411:412] = flag
    r[934:934 + len(closed)] = closed
    return bytes(r)


def soun_seeds():
    offices = [
        record("7701", "Инспекция ФНС России № 1 по г.Москве"),
        record("7700", "Управление ФНС России по г.Москве"),  # a regional office: no "00" codes
        record("7702", "Инспекция ФНС России № 2 по г.Москве", reserved=b"7702000000"),
        record("7703", "Инспекция ФНС России № 3 по г.Москве", flag=b"2"),
        record("7704", "Инспекция ФНС России № 4 по г.Москве", closed=b"01.01.2010"),
        record("7705", 'Межрайонная ИФНС России № 5 "Ёлки" & <Ко>', deleted=True),
        record("7801", "ИФНС России по Адмиралтейскому району Санкт-Петербурга", pad=b"\0"),
    ]
    write("fuzz_soun_import", "offices.dbf", dbf(offices))
    write("fuzz_soun_import", "foxpro.dbf", dbf(offices[:3], backlink=True))
    # The last record cut short, and a header claiming more records than the table holds.
    write("fuzz_soun_import", "short-last.dbf", dbf(offices[:2] + [offices[2][:600]]))
    write("fuzz_soun_import", "count-beyond.dbf", dbf(offices[:2], count=5)[:-1])
    write("fuzz_soun_import", "many-fields.dbf",
          dbf(offices[:1], fields=[("F%d" % i, "C", 100) for i in range(12)]))
    # The structure-aware target builds the header itself. Its input: the records' first 420 bytes from
    # the front; from the back (read last byte first) the descriptor count, the backlink, the count's
    # skew, where the last record is cut (two bytes, high first) and one "closed" choice per record.
    def structured(prefixes, closed, fields, backlink, skew, cut):
        tail = bytes(reversed(closed)) + bytes([cut & 0xFF, cut >> 8, skew, backlink, fields])
        return b"".join(p[:420] for p in prefixes) + tail
    write("fuzz_soun_records", "offices.bin", structured(offices, [0, 0, 0, 0, 1, 0, 0], 1, 0, 1, 2000))
    write("fuzz_soun_records", "short-last.bin", structured(offices[:3], [0, 0, 0], 2, 1, 0, 700))


# ---- the reference files (XML, windows-1251) --------------------------------------------------------
DECLARATION = '<?xml version="1.0" encoding="windows-1251"?>\n'


def reference_seeds():
    write("fuzz_inspections", "inspections.xml", DECLARATION +
          '<Inspections Version="00" Date="01.01.2011">\n'
          '\t<Inspection Code="0000">Федеральная налоговая служба</Inspection>\n'
          '\t<Inspection Code="7701">Инспекция ФНС России № 1 по г.Москве</Inspection>\n'
          '\t<Inspection Code="7801"><![CDATA[ИФНС & Ко]]></Inspection>\n'
          '\t<!-- a comment -->\n'
          '\t<Inspection Code="9901">Межрайонная &amp; &#1048;ФНС &lt;№ 1&gt;</Inspection>\n'
          '</Inspections>\n')
    write("fuzz_inspections", "utf8.xml",
          ('<?xml version="1.0" encoding="UTF-8"?>\n<Inspections><Inspection Code="5001">'
           'Инспекция по Новосибирску</Inspection></Inspections>\n').encode("utf-8"))
    write("fuzz_inspections", "nodeclaration.xml",
          '<Inspections><Inspection Code="0101">Инспекция</Inspection><Inspection/></Inspections>')
    write("fuzz_countries", "oksm.xml", DECLARATION +
          '<Oksm>\n\t<Country Code="004">АФГАНИСТАН</Country>\n\t<Country Code="643">РОССИЯ</Country>\n'
          '\t<Country Code="840">СОЕДИНЕННЫЕ ШТАТЫ</Country>\n</Oksm>\n')
    items = [("1", "A", "A", "СЕЛЬСКОЕ ХОЗЯЙСТВО"), ("2", "A01", "01", "Сельское хозяйство"),
             ("3", "A01.1", "01.1", "Растениеводство"), ("4", "A01.11", "01.11", "Зерновые"),
             ("5", "A01.11.1", "01.11.1", "Зерно"), ("1", "K", "K", "ОПЕРАЦИИ С НЕДВИЖИМЫМ ИМУЩЕСТВОМ"),
             ("2", "K72", "72", "Деятельность, связанная с ЭВМ"), ("3", "K72.2", "72.2", "Программы")]
    write("fuzz_okved", "okved.xml", DECLARATION + "<OKVED>\n" + "".join(
        '\t<Item GRUP="%s" Kod="%s" OKVED="%s" Name="%s" />\n' % i for i in items) + "</OKVED>\n")
    write("fuzz_currency_rates", "rates.xml", DECLARATION +
          '<CurrencyRates>\n'
          '\t<Currency Code="840" Name="Доллар США" Quantity="1" Id="R01235">\n'
          '\t\t<Rate Date="31.12.2009" Rate="30.2442" />\n\t\t<Rate Date="01.01.2010" Rate="30.1851" />\n'
          '\t\t<Rate Date="1.2.2010" Rate="30,0000" />\n\t</Currency>\n'
          '\t<Currency Code="392" Name="Японских иен" Quantity="100" Id="R01820">\n'
          '\t\t<Rate Date="12.01.2010" Rate="31.8626" />\n\t</Currency>\n'
          '\t<Currency Code="985" Name="Польский злотый" Quantity="10" Id="R01565">\n'
          '\t\t<Rate Date="24.04.2010" Rate="99.8475" />\n\t</Currency>\n'
          '</CurrencyRates>\n')


def encoding_shapes(target, root, body):
    """The same document in every spelling the readers meet: declared windows-1251 or UTF-8, a byte-order
    mark, no declaration at all, single quotes; and two it must refuse: cut short, and without a root."""
    text = "<%s>%s</%s>\n" % (root, body, root)
    write(target, "shape-cp1251.xml", DECLARATION + text)
    write(target, "shape-utf8.xml", ('<?xml version="1.0" encoding="utf-8"?>\n' + text).encode("utf-8"))
    write(target, "shape-bom.xml", b"\xef\xbb\xbf" + text.encode("utf-8"))
    write(target, "shape-plain-utf8.xml", text.encode("utf-8"))
    write(target, "shape-plain-cp1251.xml", text)
    write(target, "shape-single-quotes.xml", "<?xml version='1.0' encoding='windows-1251'?>" + text)
    write(target, "shape-charref.xml", DECLARATION + text.replace(">", ">&#1048;&amp;", 2))
    write(target, "shape-cut.xml", (DECLARATION + text)[:len(DECLARATION) + len(text) // 2])
    write(target, "shape-no-root.xml", DECLARATION + "<!-- nothing -->\n")


# ---- the declaration container ------------------------------------------------------------------
def container_values(data):
    """The header and the values of a saved declaration: each a four-digit length and that many bytes."""
    values, pos = [], 60
    while pos + 4 <= len(data) and data[pos:pos + 4].isdigit():
        n = int(data[pos:pos + 4])
        values.append(data[pos:pos + 4 + n])
        pos += 4 + n
    return data[:60], values, data[pos:]


def container_seeds(helper):
    """The declarations the program saves (every kind, many sources), written by the seed helper the fuzz
    preset builds; then the shapes other writers leave: streams in another order, an earlier year's file."""
    folder = os.path.join(SEEDS, "fuzz_declaration")
    subprocess.run([helper, folder], check=True)
    with open(os.path.join(folder, "full.kv0"), "rb") as f:
        header, values, rest = container_values(f.read())
    streams = [i for i, v in enumerate(values) if v[4:5] == b"@"]
    blocks = [values[a:b] for a, b in zip(streams, streams[1:] + [len(values)])]
    names = [b[0][4:].decode("cp1251") for b in blocks]
    # Another writer's order: the two phone streams swapped, the securities deduction before the property.
    for a, b in (("@HomePhone", "@WorkPhone"), ("@ConstructionDeduct", "@CBDeduct")):
        i, j = names.index(a), names.index(b)
        blocks[i], blocks[j] = blocks[j], blocks[i]
        names[i], names[j] = names[j], names[i]
    write("fuzz_declaration", "reordered.kv0", header + b"".join(b"".join(b) for b in blocks) + rest)
    # A file of an earlier year: only the person is taken from it.
    write("fuzz_declaration", "earlier-year.kv0", header.replace(b"Zizo2010", b"Zizo2009") +
          b"".join(values) + rest)
    # A file of version 1.1, which kept dates as text: the new declaration with its day numbers written out.
    with open(os.path.join(folder, "new.kv0"), "rb") as f:
        header, values, rest = container_values(f.read())
    assert header[24:28] == b"0102"

    def date_text(value):
        if not (len(value) == 9 and value[4:].isdigit() and 20000 <= int(value[4:]) <= 50000):
            return value
        day = datetime.date(1899, 12, 30) + datetime.timedelta(days=int(value[4:]))
        return b"0010" + day.strftime("%d.%m.%Y").encode()
    write("fuzz_declaration", "version-1.1.kv0", header[:24] + b"0101" + header[28:] +
          b"".join(date_text(v) for v in values) + rest)
    # A source with one income line more than the program saves: it loads, and saving it is refused.
    with open(os.path.join(folder, "lines-full.kv0"), "rb") as f:
        header, values, rest = container_values(f.read())
    count = values.index(b"00041000") + 1
    starts = [i for i, v in enumerate(values) if v.startswith(b"0019@SourseIncome000")]
    end = starts[-1] + (starts[1] - starts[0])  # behind the last line, which the 1001st copies
    extra = [b"0020@SourseIncome0001000"] + values[starts[-1] + 1:end]
    write("fuzz_declaration", "lines-beyond.kv0", header + b"".join(values[:count - 1]) + b"00041001" +
          b"".join(values[count:end] + extra + values[end:]) + rest)

# ---- the central bank's rates and our rates table ---------------------------------------------------
def rates_seeds():
    valute = ('<Valute ID="R01235"><NumCode>840</NumCode><CharCode>USD</CharCode><Nominal>1</Nominal>'
              '<Name>Доллар США</Name><Value>30,1851</Value></Valute>')
    # The bank's dates with "/", UTF-8 with a byte-order mark, a code without leading zeros.
    write("fuzz_rates_daily", "slashes-utf8.xml", b"\xef\xbb\xbf" + (
        '<?xml version="1.0" encoding="utf-8"?>\n<ValCurs Date="01/01/2010" name="Foreign Currency Market">' +
        valute + valute.replace("840", "36").replace("R01235", "R01010") + "</ValCurs>\n").encode("utf-8"))
    # The bank's own ID for every record, or only on the root.
    write("fuzz_rates_history", "root-id.xml", DECLARATION +
          '<ValCurs ID="R01820" DateRange1="01/01/2010" DateRange2="31/12/2010" name="Foreign Currency Market '
          'Dynamic">\n<Record Date="01/01/2010"><Nominal>100</Nominal><Value>32,7400</Value></Record>\n'
          '<Record Date="31.12.2010"><Nominal>100</Nominal><Value>37.5098</Value></Record>\n</ValCurs>\n')
    # A history record among the day's rates, and a rate too large for a currency counted per
    # million units (the merge's rates file has one).
    write("fuzz_rates_daily", "record-among.xml", DECLARATION + '<ValCurs Date="11.01.2010" name="x">' + valute +
          '<Record Date="11.01.2010"><Nominal>1</Nominal><Value>30,1851</Value></Record></ValCurs>\n')
    write("fuzz_rates_daily", "too-large.xml", DECLARATION + '<ValCurs Date="11.01.2010" name="x">' +
          valute.replace("840", "960").replace("30,1851", "999999999,99") + '</ValCurs>\n')
    # Our table saved by a spreadsheet: a byte-order mark, CRLF, quoted fields, no final line end.
    write("fuzz_rates_table", "spreadsheet.csv", b"\xef\xbb\xbf" + (
        'code;letter;quantity;name;date;rate\r\n"840";"USD";"1";"Доллар США";"11.01.2010";"30,1851"\r\n'
        '036;AUD;1;Австралийский доллар;12/01/2010;27.1838').encode("utf-8"))


# ---- the printed form -------------------------------------------------------------------------------
def form_seeds():
    """Shapes the export never writes: a country code without its leading zero, and no document at all.
    (The corpus also gets the exported returns the tests keep.)"""
    with open(os.path.join(ROOT, "tests", "fixtures", "export", "endtoend-foreign-income.xml"), "rb") as f:
        text = f.read()
    country = 'ОКСМ="196"'.encode("cp1251")
    assert country in text
    write("fuzz_return_layout", "short-country.xml", text.replace(country, 'ОКСМ="36"'.encode("cp1251")))
    write("fuzz_return_layout", "no-document.xml",
          ('<?xml version="1.0" encoding="windows-1251"?>\n<Файл ИдФайл="x"/>\n').encode("cp1251"))


def certificate_seeds():
    # The test fixtures: certificates of several people, rates and encodings.
    fixtures = os.path.join(ROOT, "tests", "fixtures", "certificates")
    for name in sorted(os.listdir(fixtures)):
        with open(os.path.join(fixtures, name), "rb") as f:
            write("fuzz_certificates", name, f.read())


def main():
    helper = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "fuzz", "fuzz",
                                                                "make-declaration-seeds")
    container_seeds(helper)
    rates_seeds()
    form_seeds()
    soun_seeds()
    reference_seeds()
    certificate_seeds()
    encoding_shapes("fuzz_inspections", "Inspections", '<Inspection Code="7701">ИФНС № 1</Inspection>')
    encoding_shapes("fuzz_countries", "Oksm", '<Country Code="643">РОССИЯ</Country>')
    encoding_shapes("fuzz_okved", "OKVED", '<Item GRUP="1" Kod="A" OKVED="A" Name="СЕЛЬСКОЕ ХОЗЯЙСТВО"/>')
    encoding_shapes("fuzz_currency_rates", "CurrencyRates",
                    '<Currency Code="840" Name="Доллар" Quantity="1"><Rate Date="01.01.2010" Rate="30.1851"/>'
                    '</Currency>')


if __name__ == "__main__":
    main()
