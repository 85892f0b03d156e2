#include "scheduling/SlipRecord.h"

#include "core/RecordFile.h"

namespace {
const TextField<SlipRecord> SlipFields[] = {
    {&SlipRecord::RecordTag, 0, 10},     {&SlipRecord::EventKey, 10, 10},
    {&SlipRecord::TeamNo, 20, 2},        {&SlipRecord::Unit, 22, 6},
    {&SlipRecord::Duration, 28, 2},      {&SlipRecord::EventDate, 30, 10},
    {&SlipRecord::StartSlot, 40, 2},     {&SlipRecord::EventText, 42, 30},
    {&SlipRecord::Status, 72, 20},       {&SlipRecord::Extra1, 92, 20},
    {&SlipRecord::Extra2, 112, 20},      {&SlipRecord::Amount, 132, 10},
    {&SlipRecord::AccountNo, 142, 20},   {&SlipRecord::CustomerName, 162, 30},
    {&SlipRecord::Address1, 192, 35},    {&SlipRecord::Address2, 227, 25},
    {&SlipRecord::City, 252, 20},        {&SlipRecord::State, 272, 2},
    {&SlipRecord::Zip, 274, 10},         {&SlipRecord::Telephone, 284, 13},
};
} // namespace

SlipRecord SlipRecord::FromBytes(const QByteArray& bytes)
{
    return DecodeTextRecord(bytes, SlipFields);
}

QByteArray SlipRecord::ToBytes() const
{
    return EncodeTextRecord(*this, Length, SlipFields);
}
