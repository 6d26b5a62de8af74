#include "CitacZbierok.h"

#include "ChybaVymeny.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <rapidjson/error/error.h>
#include <rapidjson/filereadstream.h>
#include <rapidjson/reader.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qint64 kKrokPriebehu = 1 << 20;

// Numbers exactly as written, so that a value exported and imported again is the same value;
// texts that are not UTF-8 are refused before they reach the database.
constexpr unsigned kVolby = rapidjson::kParseFullPrecisionFlag |
                            rapidjson::kParseValidateEncodingFlag |
                            rapidjson::kParseStopWhenDoneFlag;

QString popisChyby(rapidjson::ParseErrorCode kod) {
    switch (kod) {
    case rapidjson::kParseErrorDocumentEmpty:
        return u"súbor je prázdny alebo sa skončil priskoro"_s;
    case rapidjson::kParseErrorDocumentRootNotSingular:
        return u"za koncom dokumentu nasleduje ďalší text"_s;
    case rapidjson::kParseErrorValueInvalid:
        return u"neplatná hodnota"_s;
    case rapidjson::kParseErrorObjectMissName:
        return u"chýba názov položky objektu"_s;
    case rapidjson::kParseErrorObjectMissColon:
        return u"za názvom položky chýba dvojbodka"_s;
    case rapidjson::kParseErrorObjectMissCommaOrCurlyBracket:
        return u"v objekte chýba čiarka alebo „}“"_s;
    case rapidjson::kParseErrorArrayMissCommaOrSquareBracket:
        return u"v zozname chýba čiarka alebo „]“"_s;
    case rapidjson::kParseErrorStringUnicodeEscapeInvalidHex:
    case rapidjson::kParseErrorStringUnicodeSurrogateInvalid:
    case rapidjson::kParseErrorStringEscapeInvalid:
        return u"neplatná úniková postupnosť v texte"_s;
    case rapidjson::kParseErrorStringMissQuotationMark:
        return u"text nie je ukončený úvodzovkami"_s;
    case rapidjson::kParseErrorStringInvalidEncoding:
        return u"text nie je v kódovaní UTF-8"_s;
    case rapidjson::kParseErrorNumberTooBig:
        return u"číslo je príliš veľké"_s;
    case rapidjson::kParseErrorNumberMissFraction:
        return u"za desatinnou bodkou chýbajú číslice"_s;
    case rapidjson::kParseErrorNumberMissExponent:
        return u"v exponente chýbajú číslice"_s;
    default:
        return u"chybný zápis"_s;
    }
}

/// The input stream with the line it has reached.
class RiadkovyPrud {
public:
    using Ch = char;
    explicit RiadkovyPrud(rapidjson::FileReadStream& vstup)
        : m_vstup(vstup) {}
    Ch Peek() const { return m_vstup.Peek(); }
    Ch Take() {
        const Ch c = m_vstup.Take();
        if (c == '\n')
            ++m_riadok;
        return c;
    }
    size_t Tell() const { return m_vstup.Tell(); }
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    size_t PutEnd(Ch*) { return 0; }
    int riadok() const { return m_riadok; }

private:
    rapidjson::FileReadStream& m_vstup;
    int m_riadok = 1;
};

/// Line and column (in characters) of a byte offset of the file.
std::pair<int, int> poloha(const QString& cesta, qint64 posun) {
    QFile subor(cesta);
    if (!subor.open(QIODevice::ReadOnly))
        return {0, 0};
    int riadok = 1;
    int stlpec = 1;
    char znak;
    for (qint64 i = 0; i < posun && subor.getChar(&znak); ++i) {
        if (znak == '\n') {
            ++riadok;
            stlpec = 1;
        } else if ((static_cast<unsigned char>(znak) & 0xC0) != 0x80) {
            ++stlpec;
        }
    }
    return {riadok, stlpec};
}

/// Walks the structure of the file by hand, collection by collection, and has RapidJSON read
/// each value within it, a resource at a time.
class Citanie {
public:
    Citanie(const QString& cesta, RiadkovyPrud& prud, const CitacZbierok::Spracovanie& spracovanie,
            const CitacZbierok::Priebeh& priebeh, qint64 velkost)
        : m_cesta(cesta)
        , m_prud(prud)
        , m_spracovanie(spracovanie)
        , m_priebeh(priebeh)
        , m_velkost(velkost) {}

    void subor() {
        medzery();
        if (m_prud.Peek() == '\0')
            chybaJson(rapidjson::kParseErrorDocumentEmpty);
        if (m_prud.Peek() != '{')
            chybaTvaru(u"súbor nie je objekt so zbierkami"_s);
        m_prud.Take();
        QSet<QString> nazvy;
        for (bool prvy = true;; prvy = false) {
            if (koniec('}', prvy, rapidjson::kParseErrorObjectMissCommaOrCurlyBracket))
                break;
            const QString nazov = kluc();
            if (m_prud.Peek() != '{') {
                preskoc();
                continue;
            }
            if (nazvy.contains(nazov))
                chybaTvaru(u"zbierka „%1“ je v súbore dvakrát"_s.arg(nazov));
            nazvy.insert(nazov);
            zbierka(nazov);
        }
        medzery();
        if (m_prud.Peek() != '\0')
            chybaJson(rapidjson::kParseErrorDocumentRootNotSingular);
    }

private:
    void medzery() {
        for (char c = m_prud.Peek(); c == ' ' || c == '\n' || c == '\r' || c == '\t';
             c = m_prud.Peek())
            m_prud.Take();
    }

    /// Before the next member of an object or item of a list: true at its end.
    bool koniec(char zaver, bool prvy, rapidjson::ParseErrorCode chyba) {
        medzery();
        if (m_prud.Peek() == zaver) {
            m_prud.Take();
            return true;
        }
        if (!prvy) {
            if (m_prud.Peek() != ',')
                chybaJson(chyba);
            m_prud.Take();
            medzery();
        }
        return false;
    }

    /// A member's name and its colon.
    QString kluc() {
        if (m_prud.Peek() != '"')
            chybaJson(rapidjson::kParseErrorObjectMissName);
        citajHodnotu();
        const QString nazov = QString::fromUtf8(m_hodnota.GetString(), m_hodnota.GetStringLength());
        medzery();
        if (m_prud.Peek() != ':')
            chybaJson(rapidjson::kParseErrorObjectMissColon);
        m_prud.Take();
        medzery();
        return nazov;
    }

    void zbierka(const QString& nazov) {
        m_prud.Take();
        for (bool prvy = true;; prvy = false) {
            if (koniec('}', prvy, rapidjson::kParseErrorObjectMissCommaOrCurlyBracket))
                return;
            if (kluc() != u"member"_s) {
                preskoc();
                continue;
            }
            if (m_prud.Peek() != '[')
                chybaTvaru(u"„member“ zbierky „%1“ nie je zoznam"_s.arg(nazov));
            m_prud.Take();
            qint64 index = 0;
            for (bool prvyClen = true;; prvyClen = false) {
                if (koniec(']', prvyClen, rapidjson::kParseErrorArrayMissCommaOrSquareBracket))
                    break;
                if (m_prud.Peek() != '{')
                    chybaTvaru(u"člen č. %1 zbierky „%2“ nie je objekt"_s.arg(index).arg(nazov));
                const int riadok = m_prud.riadok();
                citajHodnotu();
                m_spracovanie({nazov, index++, riadok, m_hodnota});
                hlasPriebeh();
            }
        }
    }

    void preskoc() { citajHodnotu(); }

    /// One JSON value from the stream into m_hodnota. The allocator is emptied first, so that
    /// memory holds one value at a time.
    void citajHodnotu() {
        m_hodnota.SetNull();
        m_hodnota.GetAllocator().Clear();
        m_hodnota.ParseStream<kVolby>(m_prud);
        if (m_hodnota.HasParseError())
            chybaJson(m_hodnota.GetParseError(), qint64(m_hodnota.GetErrorOffset()));
    }

    void hlasPriebeh() {
        const auto precitane = qint64(m_prud.Tell());
        if (m_priebeh && precitane - m_hlasene >= kKrokPriebehu) {
            m_hlasene = precitane;
            m_priebeh(precitane, m_velkost);
        }
    }

    [[noreturn]] void chybaJson(rapidjson::ParseErrorCode kod, qint64 posun = -1) {
        const auto [riadok, stlpec] = poloha(m_cesta, posun < 0 ? qint64(m_prud.Tell()) : posun);
        throw OdmietnutySubor(
            u"Súbor nie je platný JSON (riadok %1, stĺpec %2): %3."_s.arg(riadok).arg(stlpec).arg(
                popisChyby(kod)));
    }

    [[noreturn]] void chybaTvaru(const QString& text) {
        throw OdmietnutySubor(
            u"Súbor nemá tvar výmenného súboru (riadok %1): %2."_s.arg(m_prud.riadok()).arg(text));
    }

    const QString& m_cesta;
    RiadkovyPrud& m_prud;
    const CitacZbierok::Spracovanie& m_spracovanie;
    const CitacZbierok::Priebeh& m_priebeh;
    qint64 m_velkost;
    qint64 m_hlasene = 0;
    rapidjson::Document m_hodnota;
};

struct ZatvorSubor {
    void operator()(std::FILE* subor) const { std::fclose(subor); }
};

} // namespace

void CitacZbierok::citaj(const QString& cesta, const Spracovanie& spracovanie,
                         const Priebeh& priebeh) {
    const QFileInfo info(cesta);
    const QString nazov = QDir::toNativeSeparators(cesta);
    if (!info.isFile())
        throw ChybaVymeny(info.exists() ? u"%1 nie je obyčajný súbor."_s.arg(nazov)
                                        : u"Súbor %1 neexistuje."_s.arg(nazov));
    const std::unique_ptr<std::FILE, ZatvorSubor> subor(
        std::fopen(QFile::encodeName(cesta).constData(), "rb"));
    if (!subor)
        throw ChybaVymeny(u"Súbor %1 sa nedá otvoriť: %2"_s.arg(
            nazov, QString::fromLocal8Bit(std::strerror(errno))));
    std::vector<char> vyrovnavac(1 << 16);
    rapidjson::FileReadStream vstup(subor.get(), vyrovnavac.data(), vyrovnavac.size());
    RiadkovyPrud prud(vstup);
    Citanie(cesta, prud, spracovanie, priebeh, info.size()).subor();
    if (std::ferror(subor.get()))
        throw ChybaVymeny(u"Súbor %1 sa nedá prečítať celý."_s.arg(nazov));
    if (priebeh)
        priebeh(info.size(), info.size());
}
