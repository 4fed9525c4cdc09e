<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ToolTexts</name>
    <message>
        <source>take the K-th of N parts of the inputs (K from 1);
without it, a Slurm array task takes its own</source>
        <translation>处理输入的 N 份中的第 K 份（K 从 1 起）；
不给出时，Slurm 数组任务自取其份</translation>
    </message>
    <message>
        <source>take part JOB_COMPLETION_INDEX of N parts,
as in a Kubernetes Indexed Job</source>
        <translation>处理 N 份中的第 JOB_COMPLETION_INDEX 份，
用于 Kubernetes 索引作业</translation>
    </message>
    <message>
        <source>in a part, redo outputs newer than their inputs
(kept by default)</source>
        <translation>分份运行时，重做比输入更新的输出
（默认保留）</translation>
    </message>
    <message>
        <source> %1/%2 pages, %3/%4 files, %5 pages/s</source>
        <translation> %1/%2 页，%3/%4 个文件，每秒 %5 页</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for --%2 (%3 to %4)</source>
        <translation>--%2 的值“%1”无效（应为 %3 至 %4）</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for --shard (K/N, K from 1 to N)</source>
        <translation>--shard 的值“%1”无效（应为 K/N，K 从 1 到 N）</translation>
    </message>
    <message>
        <source>--shard-count needs JOB_COMPLETION_INDEX, as an Indexed Job sets it</source>
        <translation>--shard-count 需要索引作业设置的 JOB_COMPLETION_INDEX</translation>
    </message>
    <message>
        <source>JOB_COMPLETION_INDEX %1 is not below --shard-count %2</source>
        <translation>JOB_COMPLETION_INDEX %1 不小于 --shard-count %2</translation>
    </message>
    <message>
        <source>a Slurm array task without SLURM_ARRAY_TASK_COUNT and _MIN</source>
        <translation>Slurm 数组任务缺少 SLURM_ARRAY_TASK_COUNT 和 _MIN</translation>
    </message>
    <message>
        <source>Slurm array task %1 is not one of %2 evenly spaced from %3; give the array as a range, such as --array=1-%2</source>
        <translation>Slurm 数组任务 %1 不在从 %3 起等距的 %2 个任务之中；请以范围给出数组，如 --array=1-%2</translation>
    </message>
    <message>
        <source>--shard and --shard-count exclude each other</source>
        <translation>--shard 与 --shard-count 不能同时使用</translation>
    </message>
    <message>
        <source>invalid language list &apos;%1&apos; for --ocr (such as eng or eng+chi_sim)</source>
        <translation>--ocr 的语言列表“%1”无效（应如 eng 或 eng+chi_sim）</translation>
    </message>
    <message>
        <source>the record in %1 cannot be written</source>
        <translation>无法写入 %1 中的记录</translation>
    </message>
    <message>
        <source>the --shard value is empty</source>
        <translation>--shard 的值为空</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.
</source>
        <translation>请用“%1 --help”查看更多信息。
</translation>
    </message>
    <message>
        <source>
Exit status:
 0  if %1,
 1  if %2,
 2  if the command line was wrong.
</source>
        <translation>
退出状态：
 0  %1，
 1  %2，
 2  命令行有误。
</translation>
    </message>
    <message>
        <source>Part %1 of %2: </source>
        <translation>第 %1 份，共 %2 份：</translation>
    </message>
    <message>
        <source>%1 of %2 %3 (%4 pages in %5 s, %6 pages/s)</source>
        <translation>%1/%2 %3（%4 页，用时 %5 秒，每秒 %6 页）</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>，%1 个失败</translation>
    </message>
    <message>
        <source>, %1 up to date and kept</source>
        <translation>，%1 个已是最新并保留</translation>
    </message>
    <message>
        <source>.
</source>
        <translation>。
</translation>
    </message>
    <message>
        <source>cannot write the record %1: %2</source>
        <translation>无法写入记录 %1：%2</translation>
    </message>
    <message>
        <source>add an invisible text layer recognised in LANG,
so that the PDF can be searched (eng, chi_sim,
eng+chi_sim)</source>
        <translation>加入按 LANG 识别的不可见文字层，
使 PDF 可以搜索（eng、chi_sim、
eng+chi_sim）</translation>
    </message>
    <message>
        <source>write PDF/A-2b, for archives</source>
        <translation>写成 PDF/A-2b，用于存档</translation>
    </message>
    <message>
        <source>the result would replace the original; use --in-place for that</source>
        <translation>结果将替换原文件；如需替换请用 --in-place</translation>
    </message>
    <message>
        <source>%1 already writes %2</source>
        <translation>%1 已写入 %2</translation>
    </message>
    <message>
        <source>not a regular file or folder</source>
        <translation>不是普通文件或文件夹</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>Cleanup steps (without any, every step but --binarize runs):</source>
        <translation>清理步骤（一个都不给时，执行除 --binarize 外的所有步骤）：</translation>
    </message>
    <message>
        <source>Output (one of the three is required):</source>
        <translation>输出（三者必须选一）：</translation>
    </message>
    <message>
        <source>With --pdf:</source>
        <translation>与 --pdf 一起：</translation>
    </message>
    <message>
        <source>As one task of a cluster job (with -o):</source>
        <translation>作为集群作业的一个任务（与 -o 一起）：</translation>
    </message>
    <message>
        <source>Other options:</source>
        <translation>其他选项：</translation>
    </message>
    <message>
        <source>remove black borders</source>
        <translation>去除黑边</translation>
    </message>
    <message>
        <source>remove specks and dots</source>
        <translation>去除噪点</translation>
    </message>
    <message>
        <source>remove ruled lines</source>
        <translation>去除线条</translation>
    </message>
    <message>
        <source>remove hole punches</source>
        <translation>去除装订孔</translation>
    </message>
    <message>
        <source>straighten skewed pages</source>
        <translation>纠正倾斜的页面</translation>
    </message>
    <message>
        <source>turn grey and colour pages black and white first</source>
        <translation>先把灰度和彩色页面转为黑白</translation>
    </message>
    <message>
        <source>write each result into DIR under its own file name</source>
        <translation>把每个结果以原文件名写入 DIR</translation>
    </message>
    <message>
        <source>replace each file by its cleaned version</source>
        <translation>用清理后的文件替换原文件</translation>
    </message>
    <message>
        <source>write one PDF of every cleaned page to FILE;
the cleaned files are not kept</source>
        <translation>把所有清理后的页面写成一个 PDF 文件 FILE；
不保留清理后的文件</translation>
    </message>
    <message>
        <source>read the step settings from FILE
(default: the user&apos;s scanvo.ini)</source>
        <translation>从 FILE 读取各步骤的设置
（默认：用户的 scanvo.ini）</translation>
    </message>
    <message>
        <source>clean N files at a time (default: one per processor)</source>
        <translation>同时清理 N 个文件（默认：每个处理器一个）</translation>
    </message>
    <message>
        <source>quality 1-100 of pages written as JPEG (default: 90)</source>
        <translation>以 JPEG 写出的页面的质量 1-100（默认：90）</translation>
    </message>
    <message>
        <source>show neither progress nor summary, only errors</source>
        <translation>不显示进度和总结，只显示错误</translation>
    </message>
    <message>
        <source>display this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>output version information and exit</source>
        <translation>显示版本信息并退出</translation>
    </message>
    <message>
        <source>the output folder name is empty</source>
        <translation>输出文件夹名称为空</translation>
    </message>
    <message>
        <source>the PDF file name is empty</source>
        <translation>PDF 文件名为空</translation>
    </message>
    <message>
        <source>--output, --in-place and --pdf exclude each other</source>
        <translation>--output、--in-place 和 --pdf 不能同时使用</translation>
    </message>
    <message>
        <source>no output given: use -o DIR, --in-place to replace the files, or --pdf FILE</source>
        <translation>没有给出输出：请用 -o DIR、替换原文件的 --in-place 或 --pdf FILE</translation>
    </message>
    <message>
        <source>--ocr and --pdfa go with --pdf</source>
        <translation>--ocr 和 --pdfa 须与 --pdf 一起使用</translation>
    </message>
    <message>
        <source>no file or folder given</source>
        <translation>没有给出文件或文件夹</translation>
    </message>
    <message>
        <source>Usage: scanvo-clean [OPTION]... -o DIR FILE|FOLDER...
  or:  scanvo-clean [OPTION]... --in-place FILE|FOLDER...
  or:  scanvo-clean [OPTION]... --pdf FILE [--ocr LANG] [--pdfa] FILE|FOLDER...
Clean up scanned pages in TIFF and JPEG files: remove borders, specks and
dots, ruled lines and hole punches, straighten the pages and make them black
and white. Each FILE, and each TIFF or JPEG file directly inside a FOLDER, is
cleaned page by page. The settings of each step come from the user&apos;s
scanvo.ini, as in the control.
</source>
        <translation>用法：scanvo-clean [选项]... -o DIR FILE|FOLDER...
  或：scanvo-clean [选项]... --in-place FILE|FOLDER...
  或：scanvo-clean [选项]... --pdf FILE [--ocr LANG] [--pdfa] FILE|FOLDER...
清理 TIFF 和 JPEG 文件中的扫描页面：去除黑边、噪点、线条和装订孔，
纠正倾斜并转为黑白。每个 FILE，以及每个 FOLDER 中直接存放的 TIFF 或
JPEG 文件，逐页清理。各步骤的设置取自用户的 scanvo.ini，与控件相同。
</translation>
    </message>
    <message>
        <source>
The filters take black and white pages: grey and colour pages are only
straightened unless --binarize is given.
A damaged file is reported and skipped; the others are cleaned all the same.
With --pdf, a damaged file is reported and no PDF is written.
A task of a Slurm job array takes its part of the inputs by itself; each part
keeps the results newer than their files, and records each file as a line of
JSON in DIR/scanvo-clean.shard-K-of-N.jsonl.
</source>
        <translation>
去噪等过滤只处理黑白页面：除非给出 --binarize，灰度和彩色页面只做纠斜。
损坏的文件会被报告并跳过，其余文件照常清理。
使用 --pdf 时，损坏的文件会被报告，且不写出 PDF。
Slurm 数组作业的任务自取其份输入；每份保留比其文件更新的结果，并把每个
文件作为一行 JSON 记录在 DIR/scanvo-clean.shard-K-of-N.jsonl 中。
</translation>
    </message>
    <message>
        <source>every file was cleaned</source>
        <translation>所有文件都已清理</translation>
    </message>
    <message>
        <source>some file could not be cleaned (or the PDF not written)</source>
        <translation>有文件未能清理（或 PDF 未能写出）</translation>
    </message>
    <message>
        <source>a part of a run writes into a folder: use -o DIR, not --in-place or --pdf</source>
        <translation>分份运行时须写入文件夹：请用 -o DIR，不能用 --in-place 或 --pdf</translation>
    </message>
    <message>
        <source>%1: %2; not written</source>
        <translation>%1：%2；未写出</translation>
    </message>
    <message>
        <source>%1 pages written to %2 in %3 s.
</source>
        <translation>%1 页已写入 %2，用时 %3 秒。
</translation>
    </message>
    <message>
        <source>cannot create the output folder %1</source>
        <translation>无法创建输出文件夹 %1</translation>
    </message>
    <message>
        <source>cannot create a temporary folder: %1</source>
        <translation>无法创建临时文件夹：%1</translation>
    </message>
    <message>
        <source>%1: %2; skipped</source>
        <translation>%1：%2；已跳过</translation>
    </message>
    <message>
        <source>files cleaned</source>
        <translation>个文件已清理</translation>
    </message>
    <message>
        <source>%1 grey or colour pages were not filtered: the filters take black and white pages, which --binarize makes of them.
</source>
        <translation>%1 个灰度或彩色页面未做过滤：过滤只处理黑白页面，可用 --binarize 转为黑白。
</translation>
    </message>
    <message>
        <source>the record of this part could not be written whole</source>
        <translation>本份的记录未能完整写出</translation>
    </message>
    <message>
        <source>%1: not written, since some file could not be cleaned</source>
        <translation>%1：有文件未能清理，因此未写出</translation>
    </message>
    <message>
        <source>not a TIFF or JPEG file</source>
        <translation>不是 TIFF 或 JPEG 文件</translation>
    </message>
    <message>
        <source>%1: no TIFF or JPEG file in the folder</source>
        <translation>%1：文件夹中没有 TIFF 或 JPEG 文件</translation>
    </message>
    <message>
        <source>no TIFF or JPEG file given</source>
        <translation>没有给出 TIFF 或 JPEG 文件</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>输出（必须给出）：</translation>
    </message>
    <message>
        <source>Text and archiving:</source>
        <translation>文字与存档：</translation>
    </message>
    <message>
        <source>As one task of a cluster job (with -o DIR/):</source>
        <translation>作为集群作业的一个任务（与 -o DIR/ 一起）：</translation>
    </message>
    <message>
        <source>write one PDF of every page to OUT; when OUT is
a folder (or ends in &apos;/&apos;), one PDF for each FILE
and FOLDER into it, named after it</source>
        <translation>把所有页面写成一个 PDF 文件 OUT；OUT 是
文件夹（或以“/”结尾）时，为每个 FILE 和
FOLDER 各写一个同名 PDF 到其中</translation>
    </message>
    <message>
        <source>prepare and recognise N pages at a time
(default: one per processor)</source>
        <translation>同时准备和识别 N 页
（默认：每个处理器一页）</translation>
    </message>
    <message>
        <source>no output given: use -o OUT.pdf, or -o DIR/ for one PDF per input</source>
        <translation>没有给出输出：请用 -o OUT.pdf，或用 -o DIR/ 为每个输入写一个 PDF</translation>
    </message>
    <message>
        <source>Usage: scanvo-pdf [OPTION]... -o OUT.pdf FILE|FOLDER...
  or:  scanvo-pdf [OPTION]... -o DIR/ FILE|FOLDER...
Put scanned pages of TIFF and JPEG files into PDF files. Each FILE, and each
TIFF or JPEG file directly inside a FOLDER in name order, gives its pages,
every page of a multi-page TIFF file. G4 and JPEG pages go in as they are
stored; other pages are compressed without loss.
</source>
        <translation>用法：scanvo-pdf [选项]... -o OUT.pdf FILE|FOLDER...
  或：scanvo-pdf [选项]... -o DIR/ FILE|FOLDER...
把 TIFF 和 JPEG 文件中的扫描页面放入 PDF 文件。每个 FILE，以及每个 FOLDER
中按名称顺序直接存放的 TIFF 或 JPEG 文件，提供其全部页面（多页 TIFF 文件
的每一页）。G4 和 JPEG 页面按原样放入，其他页面无损压缩。
</translation>
    </message>
    <message>
        <source>
A PDF with a damaged page is not written: the page is named and the other
PDFs are written all the same. An interrupted run leaves no half-written PDF.
A task of a Slurm job array takes its part of the inputs by itself; each part
keeps the PDF files newer than their pages, and records each as a line of
JSON in DIR/scanvo-pdf.shard-K-of-N.jsonl.
</source>
        <translation>
含有损坏页面的 PDF 不会写出：报告该页，其他 PDF 照常写出。中断的运行
不会留下写了一半的 PDF。Slurm 数组作业的任务自取其份输入；每份保留比其
页面更新的 PDF 文件，并把每个作为一行 JSON 记录在
DIR/scanvo-pdf.shard-K-of-N.jsonl 中。
</translation>
    </message>
    <message>
        <source>every PDF was written</source>
        <translation>所有 PDF 都已写出</translation>
    </message>
    <message>
        <source>some PDF could not be written</source>
        <translation>有 PDF 未能写出</translation>
    </message>
    <message>
        <source>a part of a run writes one PDF per input: use -o DIR/</source>
        <translation>分份运行时每个输入写一个 PDF：请用 -o DIR/</translation>
    </message>
    <message>
        <source>PDF files written</source>
        <translation>个 PDF 文件已写出</translation>
    </message>
</context>
</TS>
