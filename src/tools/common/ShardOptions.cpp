// Reading --shard, --shard-count and --force.
#include "tools/common/ShardOptions.h"

#include <QCoreApplication>

namespace scanvo::tools {

ShardOptions ReadShardOptions(const OptionTable& table, const QCommandLineParser& parser, int shardId, int countId,
                              int forceId, QString* error)
{
    ShardOptions options;
    options.request.shard = table.value(parser, shardId);
    if (table.isSet(parser, shardId) && options.request.shard.isEmpty())
        *error = QCoreApplication::translate("ToolTexts", "the --shard value is empty");
    options.request.shardCount = table.number(parser, countId, 1, 1000000, 0, error);
    options.force = table.isSet(parser, forceId);
    return options;
}

}  // namespace scanvo::tools
