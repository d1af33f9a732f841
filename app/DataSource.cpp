#include "app/DataSource.h"

SDataSource ChooseDataSource(const CArgumentList& args) {
    if (args.PipeCount() != 0)
        return {SDataSource::EKind::Pipe, {}};
    if (args.Count() < 2)
        return {SDataSource::EKind::Usage, {}};
    return {SDataSource::EKind::File, args.arguments[args.Count() - 1]};
}
