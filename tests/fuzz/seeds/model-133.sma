2
0, "quoted, with comma"
5, 
2
1, 1, 0, x
2, 1, 0, x
1
2E8, 

2
0.0004, "quoted, with comma"
0.0004, "quoted, with comma"
1
1, 2, 1, 1, 
4
1, 4, 12, 14
1, 0.5, span
1, 4, -4, 7, 0.5, 0.5, x
1, 2, 11, 3, 0.5, 0.25, "quoted, with comma"
1, 2, 4, -5, 0, 0.25, span
2
2, 2, 0, "quoted, with comma"
2, -2
3, x
