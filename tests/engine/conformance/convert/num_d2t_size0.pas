{$I lib/fieldconv.inc}
