{ The conversion library in run mode: no Main, so run only reports the
  missing entry points; and Initialize could be used for set-up. }
{$I lib/fieldconv.inc}
