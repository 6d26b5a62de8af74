#pragma once

#include <QSaveFile>
#include <QString>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

/// A JSON file written as a stream: the document goes out through a buffer that is handed to
/// the file whenever it has grown, so that memory holds a little of it at a time. The file is
/// written completely or not at all (CheckedSave): the one that was there stays until the new
/// one is whole. Failures throw ChybaVymeny.
class ZapisJson {
public:
    explicit ZapisJson(const QString& cesta);

    rapidjson::Writer<rapidjson::StringBuffer>& json() { return m_json; }
    /// Hands the buffer to the file when it has grown; call between resources.
    void priebezne();
    /// Writes the rest, puts the file in place and returns its size in bytes.
    qint64 dokonci();

private:
    void odosli();

    QString m_cesta;
    QSaveFile m_subor;
    rapidjson::StringBuffer m_text;
    rapidjson::Writer<rapidjson::StringBuffer> m_json;
    qint64 m_zapisane = 0;
};
