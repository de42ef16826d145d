#include "project/UploadJob.h"

#include "project/ProjectEdits.h"
#include "project/UploadState.h"

UploadJob MakeUploadJob(const CProject& project) {
    UploadJob job;
    job.ftpServer = project.FtpServer;
    job.login = project.Login;
    job.password = project.Password;
    job.serverPath = project.ServerPath;
    job.autoUpdate = project.AutoUpdate;
    job.statePath = UploadState::PathFor(project.Path);
    for (const CProjectEntry& entry : project.Files) {
        if (entry.Upload) {
            job.files.push_back({entry.RelPath, FullPathOf(project, entry)});
        }
    }
    return job;
}
