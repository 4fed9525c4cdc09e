#!/bin/bash
# Four tasks clean a folder of scans, each its own part; a failed task is resubmitted alone
# (sbatch --array=3 scanvo-clean.sbatch) and redoes only what is missing.
#SBATCH --job-name=scanvo-clean
#SBATCH --array=1-4
#SBATCH --cpus-per-task=2
#SBATCH --output=scanvo-clean-%A-%a.log
# The task's part comes from SLURM_ARRAY_TASK_ID; its record is $OUT/scanvo-clean.shard-K-of-4.jsonl.
exec scanvo-clean -q --jobs "${SLURM_CPUS_PER_TASK:-1}" -o "${OUT:-cleaned}" "${IN:-scans}"
