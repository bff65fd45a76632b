// The column list of a table in the component-stream encoding: how the tables of the main
// window get their columns, and what a test reads back after writing.
#include <string>

#include "BasicColumnClassRegistry.h"
#include "BasicGridTable.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "Exception.h"
#include "Variant.h"

namespace quarlo {

template <class V>
void BasicGridTable<V>::WriteColumnList(ComponentWriter& writer) const {
    writer.WriteInteger(ColumnCount());
    for (const auto& column : m_columns) {
        writer.WriteInteger(column->ClassKey());
        column->Write(writer);
    }
    if constexpr (V::isChart) {
        writer.WriteBoolean(m_chart.ShowChart);
        writer.WriteBoolean(m_chart.PaintPlot);
        writer.WriteInteger(m_chart.XColumn);
        writer.WriteInteger(m_chart.YColumn);
        writer.WriteInteger(m_chart.X2Column);
        writer.WriteInteger(m_chart.Y2Column);
    }
}

template <class V>
void BasicGridTable<V>::readColumn(ComponentReader& reader) {
    const auto* storage = BasicColumnClassRegistry<V>::Instance().Find(reader.ReadInteger());
    if (storage == nullptr) {
        throw Exception("Error Column Class not defined");
    }
    auto column = storage->create(this);
    column->Read(reader);
    AdoptColumn(std::move(column));
}

template <class V>
void BasicGridTable<V>::ReadColumnList(ComponentReader& reader) {
    int count = 0;
    try {
        count = reader.ReadInteger();
    } catch (const std::exception&) {
        throw Exception("Error reading column count");
    }
    for (int i = 0; i < count; ++i) {
        try {
            readColumn(reader);
        } catch (const std::exception& error) {
            throw Exception("Error occured when creating column " + std::to_string(i) + ": " + error.what());
        }
        SyncTemplates();
    }
    if constexpr (V::isChart) {
        try {
            ChartSettings read = m_chart;
            read.ShowChart = reader.ReadBoolean();
            read.PaintPlot = reader.ReadBoolean();
            read.XColumn = reader.ReadInteger();
            read.YColumn = reader.ReadInteger();
            read.X2Column = reader.ReadInteger();
            read.Y2Column = reader.ReadInteger();
            m_chart = read;
        } catch (const std::exception&) {
            throw Exception("Error reading graphic parameters");
        }
    }
    rowsChanged();
}

template void BasicGridTable<ChartVariant>::WriteColumnList(ComponentWriter&) const;
template void BasicGridTable<PlainVariant>::WriteColumnList(ComponentWriter&) const;
template void BasicGridTable<ChartVariant>::ReadColumnList(ComponentReader&);
template void BasicGridTable<PlainVariant>::ReadColumnList(ComponentReader&);

}  // namespace quarlo
